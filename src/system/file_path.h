// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace brindolo {

// folder, then name, with one "/" between them: a "/" is added unless folder
// already ends with one, so a folder given with or without its slash joins
// the same and paths stay tidy in error messages. Bytes are kept as they are.
inline std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

}  // namespace brindolo
