// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// jpeg2bmp's command line.

#include "picture/codec/jpeg_decode.h"

#include <optional>
#include <string>

namespace brindolo::jpeg2bmp {

struct Options {
    DecodeSettings settings;  // the picture control's defaults unless changed
    // Percentage between two progress lines on standard error; 0 prints none.
    int progressStep = 0;
    std::string input;
    std::string output;
};

inline constexpr const char* kUsage =
    "usage: jpeg2bmp [--colors 16|256|truecolor] [--dct int|fast|float] [--dither none|fs|ordered]\n"
    "                [--fast] [--grayscale] [--nosmooth] [--onepass] [--scale M/N] [--progress-step N]\n"
    "                IN.jpg OUT.bmp\n";

// Nothing when the command line is not understood.
std::optional<Options> parseOptions(int argc, const char* const* argv);

}  // namespace brindolo::jpeg2bmp
