// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include "system/errors.h"
#include "system/file_descriptor.h"
#include "system/user_names.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

[[noreturn]] void leaveOut(const std::string& why, int error)
{
    throw EInOutError(why, error);
}

}  // namespace

std::string readResultsFile(int folder, const std::string& name, uid_t owner)
{
    const FileDescriptor file(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        leaveOut(errno == ELOOP ? "a link, which is never followed" : std::strerror(errno), errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        leaveOut(std::strerror(errno), errno);
    if (!S_ISREG(status.st_mode))
        leaveOut("not a regular file", EINVAL);
    if (status.st_uid != owner)
        leaveOut("belongs to " + ownerName(status.st_uid) + ", not to " + ownerName(owner), EPERM);
    if (static_cast<std::size_t>(status.st_size) > kMostResultsFileBytes)
        leaveOut("larger than 16 MiB, which no results file is", EFBIG);
    // Read up to one byte past the bound, in case the file grew since.
    std::string text(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t size = 0;
    while (size < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            leaveOut(std::strerror(errno), errno);
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
        if (size == text.size() && size <= kMostResultsFileBytes)
            text.resize(std::min(text.size() * 2, kMostResultsFileBytes + 1));
    }
    if (size > kMostResultsFileBytes)
        leaveOut("larger than 16 MiB, which no results file is", EFBIG);
    text.resize(size);
    return text;
}

}  // namespace brindolo
