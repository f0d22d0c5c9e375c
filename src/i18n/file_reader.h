// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a whole file with plain POSIX calls so that a failure leaves the
// system's own error number (errno) for the message the player sees.

#include <QByteArray>
#include <cerrno>
#include <string>

namespace brindolo {

// The files read whole are a few lines written by hand (settings, language
// files): a larger one, or a link to /dev/zero, is refused before it takes
// the machine's memory.
inline constexpr qsizetype kMaxTextFileBytes = 1024 * 1024;

// The error numbers of a file refused for what it is.
inline constexpr int kFileTooLarge = EFBIG;
inline constexpr int kNotARegularFile = ENODEV;

struct FileContents {
    QByteArray bytes;
    int error = 0;  // errno of the failed open or read, or a refusal above; 0 on success
};

// path is in the file system's bytes. Opening never blocks; a file that is
// not a regular file (a device, a pipe) is refused, and a folder fails as
// reading it would (EISDIR).
FileContents readWholeFileOrErrno(const std::string& path);

}  // namespace brindolo
