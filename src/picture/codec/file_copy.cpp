// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/file_copy.h"

#include "system/file_errors.h"
#include "system/file_reader.h"

#include <unistd.h>

namespace brindolo {

namespace {

std::vector<std::uint8_t> bytesOrRaise(WholeFile&& contents, const std::string& shownName)
{
    if (contents.error != 0)
        raiseUnreadablePicture(contents, shownName, kMaxFileBytes);
    return std::move(contents.bytes);
}

}  // namespace

std::vector<std::uint8_t> readWholeFileOrRaise(const std::string& path, const std::string& shownName)
{
    return bytesOrRaise(readWholeFile(path, kMaxFileBytes), shownName);
}

std::vector<std::uint8_t> readStandardInputOrRaise()
{
    return bytesOrRaise(readWholeStream(STDIN_FILENO, kMaxFileBytes), "-");
}

}  // namespace brindolo
