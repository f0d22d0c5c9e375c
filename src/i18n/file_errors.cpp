// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/file_errors.h"

#include "i18n/file_reader.h"

#include <cerrno>
#include <sys/stat.h>

namespace brindolo {

namespace {

bool folderExists(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string fileErrorMessage(int errorNumber, const std::string& path)
{
    switch (errorNumber) {
    case ENOENT:
        return folderExists(path) ? "File not found" : "Invalid filename";
    case ENOTDIR:
        // A folder of the path is a file: the folder does not exist.
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
        return "File access denied";
    // Refused for what the file is, so the message names it.
    case kFileTooLarge:
        return path + " is larger than 1 MiB";
    case kNotARegularFile:
        return path + " is not a regular file";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

void raiseFileError(int errorNumber, const std::string& path)
{
    throw EInOutError(fileErrorMessage(errorNumber, path), errorNumber);
}

}  // namespace brindolo
