// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/line_appender.h"

#include "system/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace brindolo {

namespace {

[[noreturn]] void fail(const std::string& what, int error)
{
    throw EInOutError(what + ": " + std::strerror(error), error);
}

int openFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(folder, errno);
    // Checked now, so that a folder the pupils cannot write to is told once
    // at start rather than at every game.
    if (::faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) != 0) {
        const int error = errno;
        ::close(fd);
        fail(folder, error);
    }
    return fd;
}

}  // namespace

LineAppender::LineAppender(const std::string& folder) : folderName_(folder), folder_(openFolder(folder)) {}

void LineAppender::append(const std::string& name, const std::string& header, const std::string& line) const
{
    const std::string path = folderName_ + '/' + name;
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        fail(path, EINVAL);
    // Opened without blocking, so that a fifo planted under the name cannot
    // hold the game waiting for a reader.
    const FileDescriptor file(::openat(folder_.get(), name.c_str(),
                                       O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC,
                                       0640));
    if (file.get() < 0)
        fail(path, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        fail(path, errno);
    // Only a regular file: a device planted under the name would swallow
    // the line.
    if (!S_ISREG(status.st_mode))
        fail(path, EINVAL);
    while (::flock(file.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            fail(path, errno);
    // The size is read again under the lock: another writer may have put
    // the header in meanwhile.
    if (::fstat(file.get(), &status) != 0)
        fail(path, errno);
    const std::string text = status.st_size == 0 ? header + line : line;
    ssize_t written;
    do
        written = ::write(file.get(), text.data(), text.size());
    while (written < 0 && errno == EINTR);
    if (written < 0)
        fail(path, errno);
    if (static_cast<size_t>(written) != text.size()) {
        // A short write (a full disk) would leave half a line for the next
        // one to run into: it is taken back.
        if (::ftruncate(file.get(), status.st_size) != 0)
            fail(path, errno);
        fail(path, ENOSPC);
    }
}

}  // namespace brindolo
