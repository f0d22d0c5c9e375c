// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// libjpeg's standard error manager, changed so that every error and the
// first warning end the current libjpeg call. libjpeg is C: an exception must
// not unwind through its frames, so the message is formatted here and control
// jumps back to the caller's setjmp; the caller releases the decompressor and
// then raises EJPEGException with the message.

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace brindolo {

// Message code of the bitmap conversion, known to format_message.
inline constexpr int JERR_BMP_COLORSPACE = 1000;

// Trivially destructible on purpose: it lives across longjmp.
struct RaisingErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Installs the manager into cinfo (before jpeg_create_decompress), with
// trace_level 0 and the conversion's message added.
void installRaisingErrorManager(jpeg_decompress_struct& cinfo, RaisingErrorManager& manager);

// Raises the conversion's own message through the error manager.
[[noreturn]] void raiseBmpColourSpace(j_decompress_ptr cinfo);

// Marker processor for comments: reads the length and discards the rest.
boolean skipComment(j_decompress_ptr cinfo);

}  // namespace brindolo
