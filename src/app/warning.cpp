// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/warning.h"

#include "system/utf8.h"

namespace brindolo {

std::string Warning::line() const
{
    std::string text;
    for (const std::string& part : {where, key.empty() ? key : key + "=" + value, why})
        if (!part.empty())
            text += (text.empty() ? "" : ": ") + part;
    return terminalSafe(text);
}

void printWarnings(const std::vector<Warning>& warnings, std::FILE* err)
{
    for (const Warning& warning : warnings)
        std::fprintf(err, "brindolo: %s\n", warning.line().c_str());
}

}  // namespace brindolo
