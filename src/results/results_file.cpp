// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include "system/errors.h"
#include "system/file_errors.h"
#include "system/file_reader.h"

namespace brindolo {

std::string readResultsFile(int folder, const std::string& name, uid_t owner)
{
    const ReadRules rules{folder, false, owner};
    const WholeFile contents = readWholeFile(name, kMostResultsFileBytes, rules);
    if (contents.error != 0)
        throw EInOutError(whyLeftOut(contents, rules, "results file", kMostResultsFileBytes), contents.error);
    return {contents.bytes.begin(), contents.bytes.end()};
}

}  // namespace brindolo
