// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// libjpeg alone, the baseline of the decode goals: the picture frame's
// parameters (256 colours, two-pass, Floyd-Steinberg, integer DCT), rows
// into a buffer the caller keeps between calls, nothing else kept.

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace brindolo::bench {

// False when libjpeg failed.
bool bareLibjpegDecode(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& rows);

// Every file read and decoded at full size with the frame's settings, on one
// thread, once an iteration.
void bareDecodeLoop(benchmark::State& state, const std::vector<std::string>& paths);

}  // namespace brindolo::bench
