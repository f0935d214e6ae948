#pragma once

#include <QtGlobal>

#include <cstddef>

// glibc's own heap, where no sanitizer replaces it.
#if defined(Q_OS_LINUX) && defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define QUILLMARK_HUGE_HEAP
#endif
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#undef QUILLMARK_HUGE_HEAP
#endif
#endif

// The main heap, grown ahead into a range the kernel may back with huge pages.
//
// Building the first window allocates a few megabytes on the GUI thread, and
// the heap grows into fresh pages as it goes: every first touch of a 4 KiB
// page is a page fault, and under a hypervisor each costs about 9 µs, several
// milliseconds in all before the window shows. Called first thing, before any
// other thread runs, this grows the heap past the next 2 MiB boundary, fills
// the heap up to it with one block that is never written to, and advises the
// kernel to back the untouched range above with transparent huge pages: the
// window's blocks then take one or two page faults.
//
// From then on the heap grows 4 MiB at a time, and blocks of up to 16 MiB come
// from it (see startupheap.cpp). Nothing happens on other systems, with
// another allocator, or when the heap is not laid out as expected.

struct HugePageRange
{
    void *start = nullptr;
    std::size_t size = 0;
};

// The range advised, untouched so far; empty when nothing was done.
HugePageRange growHeapIntoHugePages();
