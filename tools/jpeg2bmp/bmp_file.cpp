// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bmp_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace brindolo::jpeg2bmp {

namespace {

[[noreturn]] void raiseSystem(const std::string& what, const std::string& path, int error)
{
    throw Exception(what + " " + path + ": " + std::strerror(error));
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : name_(target + ".XXXXXX")
    {
        const int fd = ::mkstemp(name_.data());
        if (fd < 0)
            raiseSystem("Cannot create file", target, errno);
        // mkstemp creates the file private; give it the mode a new file gets.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        stream_ = ::fdopen(fd, "wb");
        if (!stream_) {
            const int error = errno;
            ::close(fd);
            ::unlink(name_.c_str());
            raiseSystem("Cannot create file", target, error);
        }
    }
    ~TemporaryFile()
    {
        if (stream_)
            std::fclose(stream_);
        if (!kept_)
            ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::FILE* stream() const { return stream_; }

    void keepAs(const std::string& target)
    {
        const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
        const int writeError = errno;
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (!written || !closed)
            raiseSystem("Cannot write file", target, written ? errno : writeError);
        if (std::rename(name_.c_str(), target.c_str()) != 0)
            raiseSystem("Cannot create file", target, errno);
        kept_ = true;
    }

private:
    std::string name_;
    std::FILE* stream_ = nullptr;
    bool kept_ = false;
};

}  // namespace

void writeBmpFile(const DecodedPicture& picture, const std::string& path)
{
    TemporaryFile file(path);
    // The rows go out straight from the decoded picture, bottom row first,
    // so no second copy of the pixels is ever held.
    // The empty picture has no header, and fwrite must not be given the
    // null data of an empty vector.
    const std::vector<std::uint8_t> header = picture.bmpHeader();
    if (!header.empty())
        std::fwrite(header.data(), 1, header.size(), file.stream());
    for (int y = picture.height - 1; y >= 0 && !picture.empty(); --y)
        std::fwrite(picture.row(y), 1, picture.rowBytes, file.stream());
    file.keepAs(path);
}

}  // namespace brindolo::jpeg2bmp
