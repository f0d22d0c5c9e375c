// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/file_copy.h"

#include "system/errors.h"
#include "system/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

// Reads until count bytes arrived or the file ended; returns how many came.
std::size_t readUpTo(int fd, std::uint8_t* to, std::size_t count)
{
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, to + filled, count - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EInOutError("I/O error " + std::to_string(errno), errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

// Reads on to the end of the file, within kMaxFileBytes.
void readRest(int fd, std::vector<std::uint8_t>& bytes, const std::string& shownName)
{
    std::uint8_t more[4096];
    while (std::size_t got = readUpTo(fd, more, sizeof more)) {
        if (bytes.size() + got > kMaxFileBytes)
            throw EFOpenError("Cannot open file " + shownName + ": larger than 256 MiB");
        bytes.insert(bytes.end(), more, more + got);
    }
}

}  // namespace

std::vector<std::uint8_t> readStandardInputOrRaise()
{
    std::vector<std::uint8_t> bytes;
    readRest(STDIN_FILENO, bytes, "-");
    return bytes;
}

// POSIX calls rather than a stream: the size is known up front, so the copy
// is sized once and filled with as few reads as the system allows.
std::vector<std::uint8_t> readWholeFileOrRaise(const std::string& path, const std::string& shownName)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    // Only regular files: a folder reads as an error and a pipe would block.
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        throw EFOpenError("Cannot open file " + shownName);
    const auto tooLarge = [&] { return EFOpenError("Cannot open file " + shownName + ": larger than 256 MiB"); };
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxFileBytes)
        throw tooLarge();

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    bytes.resize(readUpTo(file.get(), bytes.data(), bytes.size()));
    // A file that grew since fstat is read to its end, within the bound.
    readRest(file.get(), bytes, shownName);
    return bytes;
}

}  // namespace brindolo
