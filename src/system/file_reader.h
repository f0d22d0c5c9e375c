// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one reader of the files the program is given: pictures, settings
// files, language files, the language list, the pupils' results files and
// the start of a recording. It reads into memory with plain POSIX calls,
// within a bound, so that a failure keeps the system's own error number for
// the message the user sees (file_errors.h gives the words). Standard C++
// and POSIX only: the picture decoder uses it too.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace brindolo {

// The error numbers of a file refused for what it is.
inline constexpr int kFileTooLarge = EFBIG;
inline constexpr int kNotARegularFile = ENODEV;
// With ReadRules::owner: the file belongs to someone else.
inline constexpr int kNotTheOwner = EPERM;

// How a file is opened, for a folder that others write to (the shared
// results folder), where a file may have been planted under a name.
struct ReadRules {
    // The folder a relative path is taken in, as an open descriptor.
    int folder = AT_FDCWD;
    // A link as the last part of the path is refused (ELOOP), not followed.
    bool followLinks = true;
    // Only a file this user owns is read.
    std::optional<uid_t> owner;
};

struct WholeFile {
    std::vector<std::uint8_t> bytes;
    // errno of the failed open or read, or a refusal above; 0 on success.
    int error = 0;
    // The file was opened but reading it failed.
    bool readFailed = false;
    // Who owns a file refused with kNotTheOwner; nothing otherwise.
    std::optional<uid_t> owner;
};

// path is in the file system's bytes. Opening never blocks; a file that is
// not a regular file (a device, a pipe) is refused, and a folder fails as
// reading it would (EISDIR). A file above maxBytes is refused before it is
// read, and one that grows past it while being read is refused then.
WholeFile readWholeFile(const std::string& path, std::size_t maxBytes, const ReadRules& rules = {});

// Everything on fd up to its end, within maxBytes: standard input, for "-".
WholeFile readWholeStream(int fd, std::size_t maxBytes);

// The first count bytes of the file, or all of a shorter one, opened and
// refused as readWholeFile does but of any size: what a file is, told by
// how it starts.
WholeFile readFileStart(const std::string& path, std::size_t count);

}  // namespace brindolo
