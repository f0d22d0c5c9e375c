// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/raising_errors.h"

#include <cstdlib>

namespace brindolo {

namespace {

const char* const addonMessages[] = {"BMP output must be grayscale or RGB"};

void formatAndJump(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<RaisingErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// The source manager may hand over its bytes in pieces.
int nextByte(j_decompress_ptr cinfo)
{
    jpeg_source_mgr* source = cinfo->src;
    if (source->bytes_in_buffer == 0)
        (*source->fill_input_buffer)(cinfo);
    --source->bytes_in_buffer;
    return *source->next_input_byte++;
}

}  // namespace

void installRaisingErrorManager(jpeg_decompress_struct& cinfo, RaisingErrorManager& manager)
{
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.output_message = formatAndJump;
    // error_exit's job is to output the message; output now leaves libjpeg.
    manager.pub.error_exit = formatAndJump;
    manager.pub.trace_level = 0;
    manager.pub.addon_message_table = addonMessages;
    manager.pub.first_addon_message = JERR_BMP_COLORSPACE;
    manager.pub.last_addon_message = JERR_BMP_COLORSPACE;
    manager.message[0] = '\0';
}

void raiseBmpColourSpace(j_decompress_ptr cinfo)
{
    cinfo->err->msg_code = JERR_BMP_COLORSPACE;
    (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
    // error_exit never returns here; this keeps the promise if it did.
    std::abort();
}

boolean skipComment(j_decompress_ptr cinfo)
{
    const int high = nextByte(cinfo);
    const int low = nextByte(cinfo);
    const long rest = ((high << 8) | low) - 2;
    if (rest > 0)
        (*cinfo->src->skip_input_data)(cinfo, rest);
    return TRUE;
}

}  // namespace brindolo
