// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/HugePageAllocator.h"
#include <cstdlib>
#include <new>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Blocks from this size on are laid out in huge pages; below it, the part of a huge
// page left unused would cost more than the faults saved.
bool InHugePages(std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    return bytes >= 2 * kHugePage;
#else
    (void)bytes;
    return false;
#endif
}

std::size_t WholeHugePages(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

} // namespace

void* AllocateTableMemory(std::size_t bytes) {
    if (!InHugePages(bytes)) return ::operator new(bytes);
    void* memory = std::aligned_alloc(kHugePage, WholeHugePages(bytes));
    if (!memory) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: where the system has no huge page to give, ordinary pages serve.
    madvise(memory, WholeHugePages(bytes), MADV_HUGEPAGE);
#endif
    return memory;
}

void FreeTableMemory(void* memory, std::size_t bytes) noexcept {
    if (InHugePages(bytes)) std::free(memory);
    else ::operator delete(memory);
}
