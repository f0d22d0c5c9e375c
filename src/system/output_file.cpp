// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/output_file.h"

#include "system/errors.h"
#include "system/file_errors.h"
#include "system/standard_streams.h"
#include "system/utf8.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

// A new file named ".brindolo-" and six random letters in folder, made only
// if no such name is there. mkstemp would take a whole path, which the
// kernel would walk again after the checks of OutputPath; this makes it in
// the very folder that was checked. The name is short whatever the target's
// (as cp's is), so it fits where the target's own name just fits.
int createTemporary(int folder, std::string& name)
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[6];
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            return -1;
        name = ".brindolo-";
        for (const unsigned char byte : random)
            name += letters[byte % (sizeof letters - 1)];
        const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path))
{
    if (path_ == "-") {
        if (standardStreamWasClosed(STDOUT_FILENO))
            throw Exception("Cannot write to standard output: it is closed; nothing was written");
        fd_ = STDOUT_FILENO;
        return;
    }
    target_.emplace(path_);
    const std::optional<struct stat>& existing = target_->existing();
    if (existing && S_ISDIR(existing->st_mode))
        fail("Cannot write", EISDIR);
    if (existing && !S_ISREG(existing->st_mode)) {
        fd_ = ::openat(target_->folder(), target_->name().c_str(),
                       O_WRONLY | O_TRUNC | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
        if (fd_ < 0)
            fail("Cannot write", errno);
        return;
    }
    fd_ = createTemporary(target_->folder(), temporary_);
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        fail("Cannot write", error);
    }
    // The temporary file is private: it takes the mode the old file had,
    // or the one a new file gets.
    mode_t mode = 0;
    if (existing) {
        mode = existing->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
}

OutputFile::~OutputFile()
{
    if (fd_ >= 0 && fd_ != STDOUT_FILENO)
        ::close(fd_);
    if (!committed_ && !temporary_.empty())
        ::unlinkat(target_->folder(), temporary_.c_str(), 0);
}

void OutputFile::fail(const char* what, int error) const
{
    throw Exception(std::string(what) + " " + terminalSafe(path_) + ": " + errorText(error));
}

void OutputFile::write(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail("Cannot write", errno);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void OutputFile::commit()
{
    if (fd_ != STDOUT_FILENO) {
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0)
            fail("Cannot write", errno);
    }
    if (!temporary_.empty()
        && ::renameat(target_->folder(), temporary_.c_str(), target_->folder(), target_->name().c_str()) != 0)
        fail("Cannot write", errno);
    committed_ = true;
}

}  // namespace brindolo
