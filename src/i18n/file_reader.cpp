// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/file_reader.h"

#include "system/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindolo {

FileContents readWholeFileOrErrno(const std::string& path)
{
    FileContents contents;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        contents.error = errno;
        return contents;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        contents.error = errno;
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.error = S_ISDIR(info.st_mode) ? EISDIR : kNotARegularFile;
        return contents;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got > 0) {
            contents.bytes.append(buffer, got);
            if (contents.bytes.size() > kMaxTextFileBytes) {
                contents.error = kFileTooLarge;
                contents.bytes.clear();
                return contents;
            }
        } else if (got == 0) {
            return contents;
        } else if (errno != EINTR) {
            contents.error = errno;
            contents.bytes.clear();
            return contents;
        }
    }
}

}  // namespace brindolo
