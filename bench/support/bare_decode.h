// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// libjpeg alone, the baseline of the decode goals: the picture frame's
// parameters (256 colours, two-pass, Floyd-Steinberg, integer DCT), rows
// into a buffer the caller keeps between calls, nothing else kept.

#include <vector>

namespace brindolo::bench {

// False when libjpeg failed.
bool bareLibjpegDecode(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& rows);

}  // namespace brindolo::bench
