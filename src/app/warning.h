// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Something the game was given that it cannot use as meant: a settings
// file's line, an option, a picture. Each is one line, "WHERE: KEY=VALUE:
// WHY", the parts that are empty left out, with control bytes quoted, so
// that a file or a folder's name can never change the terminal.

#include <cstdio>
#include <string>
#include <vector>

namespace brindolo {

struct Warning {
    std::string where = {};  // the file, the option as given or the picture it came from
    std::string key = {};    // a settings line's key, shown with its value
    std::string value = {};
    std::string why = {};

    // The line as it is shown, control bytes quoted.
    std::string line() const;
};

// "brindolo: LINE" on err, one line each.
void printWarnings(const std::vector<Warning>& warnings, std::FILE* err = stderr);

}  // namespace brindolo
