// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Memory for the tables that hold a row or a key per record: tens of megabytes for a
// million records. A block of a few megabytes or more is asked for in huge pages
// where the system offers them (Linux): a table of ordinary 4 KiB pages costs a page
// fault for every page first touched and misses the address translation cache on
// every jump through it (a sort's scatter jumps all the time), while 2 MiB pages
// take one fault each and a few translation entries cover the whole table. Smaller
// blocks, and other systems, get ordinary memory.
#include <cstddef>
#include <vector>

void* AllocateTableMemory(std::size_t bytes);
void FreeTableMemory(void* memory, std::size_t bytes) noexcept;

template <class T>
struct HugePageAllocator {
    using value_type = T;

    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) { return static_cast<T*>(AllocateTableMemory(count * sizeof(T))); }
    void deallocate(T* memory, std::size_t count) noexcept { FreeTableMemory(memory, count * sizeof(T)); }

    template <class U>
    bool operator==(const HugePageAllocator<U>&) const noexcept { return true; }
};

// A vector of rows or keys, one per record.
template <class T>
using TableVector = std::vector<T, HugePageAllocator<T>>;
