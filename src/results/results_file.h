// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading a results file from a folder the whole class writes to, where a
// pupil may have planted anything under another's name: a named pipe that
// never answers, a link to a device or to the teacher's own files, a file of
// their own under a classmate's login, a file too large to hold.

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace brindolo {

// A year of a pupil's games is well under a megabyte.
inline constexpr std::size_t kMostResultsFileBytes = 16 * 1024 * 1024;

// The text of the bare file name in the folder open as folder: opened
// relative to it, never through a link, without waiting on a pipe, and only
// a regular file that owner owns, of at most kMostResultsFileBytes. Throws
// EInOutError, its message why the file is left out, otherwise.
std::string readResultsFile(int folder, const std::string& name, uid_t owner);

}  // namespace brindolo
