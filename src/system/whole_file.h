// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a whole file, or standard input, into memory with plain POSIX calls,
// within a bound, so that a failure keeps the system's own error number for
// the message the user sees. Pictures, settings files, language files and the
// language list are read through it. Standard C++ and POSIX only: the picture
// decoder uses it too.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brindolo {

// The error numbers of a file refused for what it is.
inline constexpr int kFileTooLarge = EFBIG;
inline constexpr int kNotARegularFile = ENODEV;

struct WholeFile {
    std::vector<std::uint8_t> bytes;
    // errno of the failed open or read, or a refusal above; 0 on success.
    int error = 0;
    // The file was opened but reading it failed.
    bool readFailed = false;
};

// path is in the file system's bytes. Opening never blocks; a file that is
// not a regular file (a device, a pipe) is refused, and a folder fails as
// reading it would (EISDIR). A file above maxBytes is refused before it is
// read, and one that grows past it while being read is refused then.
WholeFile readWholeFile(const std::string& path, std::size_t maxBytes);

// Everything on fd up to its end, within maxBytes: standard input, for "-".
WholeFile readWholeStream(int fd, std::size_t maxBytes);

}  // namespace brindolo
