#pragma once
// Texts kept once each and named by a number (0 is the empty text), so that a
// table of a million results holds each player's name once. Looking a text up
// costs one cheap hash and, on a hit, one compare.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class TextPool {
public:
    TextPool();

    void clear();
    // The id of `text`, added when new.
    std::uint32_t intern(QStringView text);
    // The id of `text`, or nothing when it is not in the pool.
    std::optional<std::uint32_t> find(QStringView text) const;

    const QString& text(std::uint32_t id) const { return m_texts[id]; }
    std::size_t size() const { return static_cast<std::size_t>(m_texts.size()); }

private:
    static constexpr std::uint32_t kFree = 0xFFFFFFFF;
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t id = kFree;
    };
    // The slot that holds `text`, or the free slot where it would go.
    std::size_t slotOf(QStringView text, std::uint64_t hash) const;
    void grow();

    QStringList m_texts;
    std::vector<Slot> m_slots;   // open addressing, at most half full
};
