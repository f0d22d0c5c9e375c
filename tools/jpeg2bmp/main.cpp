// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jpeg2bmp: decodes IN.jpg with the picture control's decode step and writes
// the BMP image to OUT.bmp. With --progress-step N it prints the percentage
// done to standard error, one a line, whenever the control would report
// progress. On failure prints the message alone, exits 1 and writes nothing.

#include "bmp_file.h"
#include "options.h"
#include "picture/codec/file_copy.h"
#include "picture/codec/jpeg_decode.h"
#include "system/errors.h"
#include "system/standard_streams.h"

#include <cstdio>
#include <exception>
#include <new>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    using namespace brindolo;
    secureStandardStreams();
    const auto options = jpeg2bmp::parseOptions(argc, argv);
    if (!options) {
        std::fputs(jpeg2bmp::kUsage, stderr);
        return 2;
    }
    const ProgressNotify progress = [](int percent) { std::fprintf(stderr, "%d%%\n", percent); };
    try {
        // Read from /dev/null, a closed input would pass for an empty picture.
        if (options->input == "-" && standardStreamWasClosed(STDIN_FILENO))
            throw Exception("Cannot read standard input: it is closed");
        const std::vector<std::uint8_t> bytes = options->input == "-"
            ? readStandardInputOrRaise()
            : readWholeFileOrRaise(options->input, options->input);
        const DecodedPicture picture = decodeJpeg(bytes, options->settings, progress, options->progressStep);
        jpeg2bmp::writeBmpFile(picture, options->output);
    } catch (const std::bad_alloc&) {
        std::fputs("Out of memory\n", stderr);
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
