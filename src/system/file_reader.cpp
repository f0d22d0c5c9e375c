// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/file_reader.h"

#include "system/file_descriptor.h"

#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

// Reads until count bytes arrived or the file ended; returns how many came,
// or -1 with errno set.
ssize_t readUpTo(int fd, std::uint8_t* to, std::size_t count)
{
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, to + filled, count - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

// Reads on from where contents.bytes ends to the end of the file.
void readRest(int fd, WholeFile& contents, std::size_t maxBytes)
{
    std::uint8_t more[64 * 1024];
    for (;;) {
        const ssize_t got = readUpTo(fd, more, sizeof more);
        if (got < 0) {
            contents = {{}, errno, true, {}};
            return;
        }
        if (got == 0)
            return;
        if (contents.bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            contents = {{}, kFileTooLarge, false, {}};
            return;
        }
        contents.bytes.insert(contents.bytes.end(), more, more + got);
    }
}

int openFile(const std::string& path, const ReadRules& rules)
{
    return ::openat(rules.folder, path.c_str(),
                    O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (rules.followLinks ? 0 : O_NOFOLLOW));
}

// Why the file open as fd (or not opened, -1) is not read under rules;
// nothing when it is read, with its status in info.
std::optional<WholeFile> refusal(int fd, const ReadRules& rules, struct stat& info)
{
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return WholeFile{{}, errno, false, {}};
    if (!S_ISREG(info.st_mode))
        return WholeFile{{}, S_ISDIR(info.st_mode) ? EISDIR : kNotARegularFile, false, {}};
    if (rules.owner && info.st_uid != *rules.owner)
        return WholeFile{{}, kNotTheOwner, false, info.st_uid};
    return std::nullopt;
}

}  // namespace

// The size is known up front, so the copy is sized once and filled with as
// few reads as the system allows.
WholeFile readWholeFile(const std::string& path, std::size_t maxBytes, const ReadRules& rules)
{
    const FileDescriptor file(openFile(path, rules));
    struct stat info {};
    if (std::optional<WholeFile> refused = refusal(file.get(), rules, info))
        return std::move(*refused);
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return {{}, kFileTooLarge, false, {}};
    WholeFile contents;
    contents.bytes.resize(static_cast<std::size_t>(info.st_size));
    const ssize_t got = readUpTo(file.get(), contents.bytes.data(), contents.bytes.size());
    if (got < 0)
        return {{}, errno, true, {}};
    contents.bytes.resize(static_cast<std::size_t>(got));
    // A file that grew since fstat is read to its end, within the bound.
    readRest(file.get(), contents, maxBytes);
    return contents;
}

WholeFile readWholeStream(int fd, std::size_t maxBytes)
{
    WholeFile contents;
    readRest(fd, contents, maxBytes);
    return contents;
}

WholeFile readFileStart(const std::string& path, std::size_t count)
{
    const ReadRules rules;
    const FileDescriptor file(openFile(path, rules));
    struct stat info {};
    if (std::optional<WholeFile> refused = refusal(file.get(), rules, info))
        return std::move(*refused);
    WholeFile start;
    start.bytes.resize(count);
    const ssize_t got = readUpTo(file.get(), start.bytes.data(), count);
    if (got < 0)
        return {{}, errno, true, {}};
    start.bytes.resize(static_cast<std::size_t>(got));
    return start;
}

}  // namespace brindolo
