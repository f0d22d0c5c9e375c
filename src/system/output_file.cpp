// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/output_file.h"

#include "system/errors.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The kernel's fs.protected_symlinks rule, asked of the link the path names.
bool plantedByAnother(const std::string& path, const struct stat& link)
{
    struct stat folder {};
    if (::stat(folderOf(path).c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)), target_(path_)
{
    if (path_ == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    struct stat link {};
    if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (plantedByAnother(path_, link))
            throw Exception(path_ + " is a link that another user made in a folder everyone can write to; "
                                    "nothing was written");
        // Written through: the file the link leads to takes the bytes.
        char resolved[PATH_MAX];
        if (::realpath(path_.c_str(), resolved))
            target_ = resolved;
        else if (errno != ENOENT)
            fail("Cannot write", errno);
    }
    struct stat status {};
    const bool exists = ::stat(target_.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        fail("Cannot write", EISDIR);
    if (exists && !S_ISREG(status.st_mode)) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0)
            fail("Cannot write", errno);
        return;
    }
    temporary_ = target_ + ".XXXXXX";
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        fail("Cannot write", error);
    }
    // mkstemp makes the file private: it takes the mode the old file had,
    // or the one a new file gets.
    mode_t mode = status.st_mode & 07777;
    if (!exists) {
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
        ::unlink(temporary_.c_str());
}

void OutputFile::fail(const char* what, int error) const
{
    throw Exception(std::string(what) + " " + path_ + ": " + std::strerror(error));
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
    if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail("Cannot write", errno);
    committed_ = true;
}

}  // namespace brindolo
