// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/directory_search.h"

#include "system/ascii_case.h"

#include <filesystem>
#include <system_error>

namespace brindolo {

// Written by hand rather than with fnmatch(FNM_CASEFOLD): fnmatch folds case
// by the process locale, which Qt sets from the environment, and may refuse
// names that are not valid in that locale's encoding.
bool wildcardMatch(std::string_view pattern, std::string_view name)
{
    size_t p = 0;
    size_t n = 0;
    size_t starAt = std::string_view::npos;  // last "*" seen, to backtrack to
    size_t resumeAt = 0;                     // where its run of bytes ends now
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || asciiLower(pattern[p]) == asciiLower(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

namespace {

// Hands each matching name to found, until found returns false.
template <typename Found>
void listMatches(const std::string& folder, std::string_view pattern, Found found)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    // A folder that cannot be listed, or stops being listable half way, ends
    // the search with what was found so far.
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::string name = entries->path().filename().native();
        if (wildcardMatch(pattern, name) && !found(std::move(name)))
            return;
    }
}

}  // namespace

std::vector<std::string> searchDirectory(const std::string& folder, std::string_view pattern)
{
    std::vector<std::string> names;
    listMatches(folder, pattern, [&names](std::string name) {
        names.push_back(std::move(name));
        return true;
    });
    return names;
}

bool folderHolds(const std::string& folder, std::string_view pattern)
{
    bool held = false;
    listMatches(folder, pattern, [&held](const std::string&) { return !(held = true); });
    return held;
}

}  // namespace brindolo
