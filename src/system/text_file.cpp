// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/text_file.h"

namespace brindolo {

FileContents readTextFile(const std::string& path)
{
    const WholeFile contents = readWholeFile(path, kMaxTextFileBytes);
    return {QByteArray(reinterpret_cast<const char*>(contents.bytes.data()), static_cast<qsizetype>(contents.bytes.size())),
            contents.error};
}

}  // namespace brindolo
