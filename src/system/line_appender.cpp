// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/line_appender.h"

#include "system/errors.h"
#include "system/file_errors.h"
#include "system/user_names.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

namespace brindolo {

namespace {

[[noreturn]] void fail(const std::string& what, int error)
{
    throw EInOutError(what + ": " + errorText(error), error);
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

// Another writer holds the lock for one write(2). One that holds it longer
// is not waited for: the window that writes must never freeze, and the line
// is lost as a full disk would lose it.
void lock(int file, const std::string& path)
{
    constexpr int kAttempts = 10;
    constexpr auto kPause = std::chrono::milliseconds(5);
    for (int attempt = 1;; ++attempt) {
        if (::flock(file, LOCK_EX | LOCK_NB) == 0)
            return;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            fail(path, errno);
        if (attempt == kAttempts)
            throw EInOutError(path + ": locked by another program for longer than "
                                  + std::to_string(kAttempts * kPause.count()) + " ms",
                              errno);
        std::this_thread::sleep_for(kPause);
    }
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
    // A file made first by someone else, in a folder everyone may write to,
    // would take our lines where its owner reads and changes them.
    if (status.st_uid != ::geteuid())
        throw EInOutError(path + ": belongs to " + ownerName(status.st_uid) + "; nothing is written into it", EPERM);
    lock(file.get(), path);
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
