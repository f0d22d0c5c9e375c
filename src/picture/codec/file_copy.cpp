// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/file_copy.h"

#include "system/errors.h"
#include "system/whole_file.h"

#include <unistd.h>

namespace brindolo {

namespace {

std::vector<std::uint8_t> bytesOrRaise(WholeFile&& contents, const std::string& shownName)
{
    if (contents.error == kFileTooLarge)
        throw EFOpenError("Cannot open file " + shownName + ": larger than 256 MiB");
    if (contents.readFailed)
        throw EInOutError("I/O error " + std::to_string(contents.error), contents.error);
    if (contents.error != 0)
        throw EFOpenError("Cannot open file " + shownName);
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
