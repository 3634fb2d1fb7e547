// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/TextPool.h"
#include "files/CodePage1250.h"
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

std::uint64_t Load8(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint32_t Load4(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The same for bytes, eight at a time. The last eight bytes are read as one word even
// where they overlap the words before, and a text of fewer than eight bytes as two
// overlapping halves: no byte outside the text is read, and no byte goes alone.
std::uint64_t HashOf(QByteArrayView bytes) {
    const char* p = bytes.data();
    const auto n = static_cast<std::size_t>(bytes.size());
    std::uint64_t h = 0x9E3779B97F4A7C15u ^ n;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) h = (h ^ Load8(p + i)) * 0x100000001B3u + (h >> 29);
        h ^= Load8(p + n - 8);
    } else if (n >= 4) {
        h ^= Load4(p) | std::uint64_t{Load4(p + n - 4)} << 32;
    } else if (n > 0) {
        const auto byte = [p](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(p[i])}; };
        h ^= byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
    }
    return Mix(h * 0x100000001B3u);
}

// Whether `n` bytes at a and b are the same, read as HashOf reads them.
bool SameBytes(const char* a, const char* b, std::size_t n) {
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            if (Load8(a + i) != Load8(b + i)) return false;
        return Load8(a + n - 8) == Load8(b + n - 8);
    }
    if (n >= 4) return Load4(a) == Load4(b) && Load4(a + n - 4) == Load4(b + n - 4);
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

} // namespace

TextPool::TextPool() { clear(); }

void TextPool::clear() {
    m_texts = QStringList{QString()};
    m_slots.assign(64, Slot{});
    const std::uint64_t hash = HashOf(QStringView());
    m_slots[slotOf(QStringView(), hash)] = {hash, 0};
    m_codesSlots.assign(64, CodesSlot{});
    m_codes.clear();
    m_codesCount = 0;
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
        grow(m_slots);
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

std::uint32_t TextPool::internCp1250(QByteArrayView codes) {
    if (codes.isEmpty()) return 0;
    const auto hash = static_cast<std::uint32_t>(HashOf(codes));
    std::size_t mask = m_codesSlots.size() - 1;
    std::size_t i = hash & mask;
    for (;; i = (i + 1) & mask) {
        const CodesSlot& slot = m_codesSlots[i];
        if (slot.id == kFree) break;
        if (slot.hash == hash && slot.length == static_cast<std::uint32_t>(codes.size()) &&
            SameBytes(m_codes.data() + slot.offset, codes.data(), static_cast<std::size_t>(codes.size())))
            return slot.id;
    }
    const std::uint32_t id = intern(DecodeCp1250(codes));
    // Kept at most half full, as the texts' slots.
    CodesSlot added{hash, id, static_cast<std::uint32_t>(m_codes.size()), static_cast<std::uint32_t>(codes.size())};
    m_codes.insert(m_codes.end(), codes.begin(), codes.end());
    m_codesSlots[i] = added;
    if (2 * ++m_codesCount > m_codesSlots.size()) {
        std::vector<CodesSlot> old(m_codesSlots.size() * 2);
        old.swap(m_codesSlots);
        mask = m_codesSlots.size() - 1;
        for (const CodesSlot& slot : old) {
            if (slot.id == kFree) continue;
            std::size_t j = slot.hash & mask;
            while (m_codesSlots[j].id != kFree) j = (j + 1) & mask;
            m_codesSlots[j] = slot;
        }
    }
    return id;
}

void TextPool::grow(std::vector<Slot>& slots) {
    std::vector<Slot> old(slots.size() * 2);
    old.swap(slots);
    const std::size_t mask = slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.id == kFree) continue;
        std::size_t i = slot.hash & mask;
        while (slots[i].id != kFree) i = (i + 1) & mask;
        slots[i] = slot;
    }
}
