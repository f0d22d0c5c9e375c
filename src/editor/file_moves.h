// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Renames in one folder tree, all or none: none replaces a file that is
// there, and a failure part of the way puts back the ones made. And the
// folders they go to.

#include <string>
#include <utility>
#include <vector>

namespace brindolo {

class FileMoves {
public:
    void add(std::string from, std::string to) { moves_.emplace_back(std::move(from), std::move(to)); }
    bool empty() const { return moves_.empty(); }

    // Raises EWordExists, with taken and the names that are there, before
    // anything is moved; EInOutError when a rename fails, with the renames
    // before it undone.
    void run(const std::string& taken);

private:
    std::vector<std::pair<std::string, std::string>> moves_;
};

// The folder made with the folders it lies in, as mkdir -p does; raises
// EInOutError.
void makeFolders(const std::string& path);

// Whether a and b name one file: on a file system that ignores case (a FAT
// memory stick), names that differ only in case do.
bool sameFile(const std::string& a, const std::string& b);

// rename(2) that never replaces what is at to: EEXIST instead. -1 with errno
// on failure, as rename.
int renameWithoutReplacing(const std::string& from, const std::string& to);

}  // namespace brindolo
