#include "results/TextPool.h"
#include <cstring>

namespace {

std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDu;
    h ^= h >> 33;
    return h;
}

// Four characters at a time; the texts are short names.
std::uint64_t HashOf(QStringView text) {
    std::uint64_t h = 0x9E3779B97F4A7C15u ^ static_cast<std::uint64_t>(text.size());
    const char16_t* p = text.utf16();
    qsizetype left = text.size();
    for (; left >= 4; left -= 4, p += 4) {
        std::uint64_t chunk;
        std::memcpy(&chunk, p, sizeof chunk);
        h = (h ^ chunk) * 0x100000001B3u + (h >> 29);
    }
    for (; left > 0; --left, ++p) h = (h ^ *p) * 0x100000001B3u;
    return Mix(h);
}

} // namespace

TextPool::TextPool() { clear(); }

void TextPool::clear() {
    m_texts = QStringList{QString()};
    m_slots.assign(64, Slot{});
    const std::uint64_t hash = HashOf(QStringView());
    m_slots[slotOf(QStringView(), hash)] = {hash, 0};
}

std::size_t TextPool::slotOf(QStringView text, std::uint64_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.id == kFree) return i;
        if (slot.hash != hash) continue;
        const QString& kept = m_texts[slot.id];
        // An empty view may have no data at all, which memcmp must not be given.
        if (kept.size() == text.size() &&
            (text.isEmpty() ||
             std::memcmp(kept.constData(), text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar)) == 0))
            return i;
    }
}

std::uint32_t TextPool::intern(QStringView text) {
    if (text.isEmpty()) return 0;   // most records have no stored game
    const std::uint64_t hash = HashOf(text);
    std::size_t i = slotOf(text, hash);
    if (m_slots[i].id != kFree) return m_slots[i].id;
    if (2 * (size() + 1) > m_slots.size()) {
        grow();
        i = slotOf(text, hash);
    }
    const auto id = static_cast<std::uint32_t>(size());
    m_texts.append(text.toString());   // its own copy: the caller may reuse the storage
    m_slots[i] = {hash, id};
    return id;
}

std::optional<std::uint32_t> TextPool::find(QStringView text) const {
    const Slot& slot = m_slots[slotOf(text, HashOf(text))];
    if (slot.id == kFree) return std::nullopt;
    return slot.id;
}

void TextPool::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.id == kFree) continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].id != kFree) i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}
