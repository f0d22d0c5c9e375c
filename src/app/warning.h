// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Something the game was given that it cannot use as meant: a settings
// file's line, an option, a picture. Each is one line, "WHERE: KEY=VALUE:
// WHY" less its empty parts, with control bytes quoted, so that a file's or
// a folder's name can never change the terminal.

#include "system/utf8.h"

#include <cstdio>
#include <string>
#include <vector>

namespace brindolo {

struct Warning {
    std::string where = {};  // the file, the option as given or the picture it came from
    std::string key = {};    // a settings line's key, shown with its value
    std::string value = {};
    std::string why = {};

    std::string line() const
    {
        std::string text;
        for (const std::string& part : {where, key.empty() ? key : key + "=" + value, why})
            text += (text.empty() || part.empty() ? "" : ": ") + part;
        return terminalSafe(text);
    }
};

// "brindolo: LINE" on err, one line each.
inline void printWarnings(const std::vector<Warning>& warnings, std::FILE* err = stderr)
{
    for (const Warning& warning : warnings)
        std::fprintf(err, "brindolo: %s\n", warning.line().c_str());
}

}  // namespace brindolo
