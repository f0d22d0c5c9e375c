// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Directory search by wildcard. Every kind of entry qualifies (files,
// folders, hidden dot files), as with an attribute mask that excludes none.

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

// True when the name matches the pattern, where "*" stands for any run of
// bytes and "?" for one byte, comparing A-Z and a-z without regard to case.
bool wildcardMatch(std::string_view pattern, std::string_view name);

// The bare names of the folder's entries that match the pattern, in the order
// the file system lists them, with their bytes as stored. A missing or
// unreadable folder gives an empty list.
std::vector<std::string> searchDirectory(const std::string& folder, std::string_view pattern);

// Whether any entry of the folder matches the pattern: the listing stops at
// the first, where a folder of many pictures is asked only whether it has any.
bool folderHolds(const std::string& folder, std::string_view pattern);

}  // namespace brindolo
