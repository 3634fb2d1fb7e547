// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Texts kept once each and named by a number (0 is the empty text), so that a
// table of a million results holds each player's name once. Looking a text up
// costs one cheap hash and, on a hit, one compare.
#include <QByteArrayView>
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
    // The id of the text of code page 1250 `codes`. Each distinct sequence of codes is
    // made into a string once; codes of the same text share its id.
    std::uint32_t internCp1250(QByteArrayView codes);
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
    static void grow(std::vector<Slot>& slots);

    QStringList m_texts;
    std::vector<Slot> m_slots;   // open addressing, at most half full
    // Code sequences seen by internCp1250, kept one after the other, and their slots.
    // Sixteen bytes: the slots of a few thousand names stay in the nearest cache.
    struct CodesSlot {
        std::uint32_t hash = 0;   // the low half of the hash, which also places the slot
        std::uint32_t id = kFree;
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    std::vector<CodesSlot> m_codesSlots;
    std::size_t m_codesCount = 0;
    std::vector<char> m_codes;
};
