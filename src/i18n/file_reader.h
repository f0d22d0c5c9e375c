// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a whole file with plain POSIX calls so that a failure leaves the
// system's own error number (errno) for the message the player sees.

#include <QByteArray>
#include <string>

namespace brindolo {

struct FileContents {
    QByteArray bytes;
    int error = 0;  // errno of the failed open or read; 0 on success
};

// path is in the file system's bytes. Opening never blocks (a named pipe
// with no writer reads as empty).
FileContents readWholeFileOrErrno(const std::string& path);

}  // namespace brindolo
