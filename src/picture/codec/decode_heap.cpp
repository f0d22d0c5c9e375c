// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/decode_heap.h"

#include <malloc.h>

namespace brindolo {

namespace {

// Every decode allocates and frees its working memory: a few hundred
// kilobytes for a small picture (its file, libjpeg's colour histogram), and
// for a 12 megapixel phone photo 36 MB more, where the two-pass colour
// reduction buffers the whole picture at three bytes a pixel. By default
// glibc maps large blocks afresh and unmaps them when freed, and hands a
// freed heap top back to the system, so the kernel faults the next decode's
// memory in again 4 KiB at a time: a third of a decode's time, for a check
// of many small pictures and for a photo alike. Below this bound the blocks
// stay in the heap and the next decode reuses them; the price is up to that
// much freed memory kept by the process.
constexpr int kKeptBlock = 64 << 20;

}  // namespace

void keepDecodeBuffersInHeap()
{
    mallopt(M_MMAP_THRESHOLD, kKeptBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptBlock);
    // One heap for all threads. In a heap of its own, which glibc grows in
    // separate pieces of 64 MiB, the prefetch thread's photo decodes came out
    // up to a fifth slower than the interface thread's, varying from one
    // game to the next; in the shared heap they mostly match. A decode
    // allocates a few large blocks, so sharing the heap's lock costs nothing.
    mallopt(M_ARENA_MAX, 1);
}

}  // namespace brindolo
