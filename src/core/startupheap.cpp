#include "startupheap.h"

#ifdef QUILLMARK_HUGE_HEAP
#include <array>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

HugePageRange growHeapIntoHugePages()
{
    constexpr std::uintptr_t hugePage = 2 << 20;
    constexpr int reserve = 2 * hugePage;
    // glibc's chunks: 16-byte aligned, each block two words into its chunk.
    constexpr std::uintptr_t header = 2 * sizeof(std::size_t);
    constexpr std::uintptr_t alignment = 16;
    // Setting any of these ends glibc's own rule, which raises the size from
    // which a block gets pages of its own to that of the largest such block
    // freed (up to 32 MiB), and keeps twice that free before giving memory
    // back. They are set as that rule would leave them after a 16 MiB block,
    // a briefing of 8 MiB: large texts typed, drafted or written over and over
    // reuse the heap instead of faulting in fresh pages each time.
    constexpr int largeBlocksMapped = 16 << 20;
    constexpr int keptFree = 2 * largeBlocksMapped;

    // Every time the heap grows, it grows by the reserve.
    if (mallopt(M_TOP_PAD, reserve) == 0 || mallopt(M_MMAP_THRESHOLD, largeBlocksMapped) == 0
        || mallopt(M_TRIM_THRESHOLD, keptFree) == 0)
        return {};
    // The heap ends at the break, and its last, free chunk (the top) is what
    // new blocks are carved from. Pages below the break may have been touched
    // (glibc writes the top's size at its start; memory freed at the end of
    // the heap goes back to the top), those above it never were. The boundary
    // is the first one above the break; the filler covers the top up to just
    // below it, so that the heap grows, and new blocks come from above it. A
    // block of the filler's size may come from memory freed earlier instead:
    // such blocks are held until the filler is in place, then given back.
    std::array<void *, 8> held {};
    std::size_t heldCount = 0;
    void *filler = nullptr;
    std::uintptr_t boundary = 0;
    while (!filler && heldCount < held.size()) {
        const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
        const std::uintptr_t top = end - mallinfo2().keepcost;
        boundary = (end + hugePage - 1) & ~(hugePage - 1);
        if (boundary - top < 4 * header)
            boundary += hugePage;
        const std::uintptr_t fillerChunk = (boundary - top - 2 * header) & ~(alignment - 1);
        void *block = std::malloc(fillerChunk - sizeof(std::size_t));
        if (reinterpret_cast<std::uintptr_t>(block) == top + header)
            filler = block;
        else
            held.at(heldCount++) = block;
    }
    for (std::size_t i = 0; i < heldCount; ++i)
        std::free(held.at(i));
    if (!filler)
        return {};
    // The filler is kept for good. It takes no memory but the pages the top
    // had touched and the one below the boundary, where glibc writes the size
    // of the new top.
    static void *const keptFiller = filler;
    Q_UNUSED(keptFiller);
    char *const grownBreak = static_cast<char *>(sbrk(0));
    const auto grownEnd = reinterpret_cast<std::uintptr_t>(grownBreak);
    if (grownEnd < boundary + hugePage)
        return {};
    const HugePageRange range { grownBreak - (grownEnd - boundary),
                                (grownEnd - boundary) & ~(hugePage - 1) };
    if (madvise(range.start, range.size, MADV_HUGEPAGE) != 0)
        return {};
    return range;
}
#else
HugePageRange growHeapIntoHugePages()
{
    return {};
}
#endif
