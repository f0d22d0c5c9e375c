// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one place where an error number becomes the words a user reads: the
// error box's words for a file the game cannot read, why a settings file,
// the language list, a recording or a pupil's results file is passed over,
// what a picture that cannot be read raises, and the system's own words for
// everything else.

#include "system/errors.h"
#include "system/file_reader.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace brindolo {

// The system's words for errno ("No such file or directory"), in the
// user's language; errno is left as it was.
std::string errorText(int errorNumber);

// The message for errno: "File not found", "Invalid filename" when the
// folder of path does not exist, "Too many open files", "File access
// denied", the path with why for the reader's refusals (too large, not a
// regular file), otherwise "I/O error <errno>".
std::string fileErrorMessage(int errorNumber, const std::string& path);

// Raises EInOutError with that message and errno as its error code.
[[noreturn]] void raiseFileError(int errorNumber, const std::string& path);

// Why the file at path cannot be read: "a link to a file that does not
// exist", "not a regular file", otherwise the system's words.
std::string whyUnreadableFile(const std::string& path, int errorNumber);
// The same for a file read within maxBytes: one above it is "larger than
// 1 MiB, which no <kind> is" ("settings file").
std::string whyUnreadableFile(const std::string& path, int errorNumber, std::string_view kind, std::size_t maxBytes);

// Why a file read under rules (readWholeFile within maxBytes) was left out:
// "a link, which is never followed", "not a regular file", "belongs to
// <login>, not to <login>", "larger than 16 MiB, which no <kind> is",
// otherwise the system's words.
std::string whyLeftOut(const WholeFile& failure, const ReadRules& rules, std::string_view kind,
                       std::size_t maxBytes);

// What reading a picture (readWholeFile within maxBytes) raises: EFOpenError
// "Cannot open file <shownName>" when it cannot be opened or is not a regular
// file, the same followed by ": larger than 256 MiB" when it is above
// maxBytes, and EInOutError "I/O error <n>" when reading it failed.
[[noreturn]] void raiseUnreadablePicture(const WholeFile& failure, const std::string& shownName,
                                         std::size_t maxBytes);

}  // namespace brindolo
