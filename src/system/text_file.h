// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text files read whole (settings, language files, the language list),
// as Qt bytes for their parsers; apart from file_reader.h, which the picture
// decoder includes without Qt.

#include "system/file_reader.h"

#include <QByteArray>
#include <string>

namespace brindolo {

// They are a few lines written by hand: a larger one, or a link to
// /dev/zero, is refused before it takes the machine's memory.
inline constexpr qsizetype kMaxTextFileBytes = 1024 * 1024;

struct FileContents {
    QByteArray bytes;
    int error = 0;  // as WholeFile's
};

// readWholeFile within kMaxTextFileBytes.
FileContents readTextFile(const std::string& path);

}  // namespace brindolo
