// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/file_errors.h"

#include "system/text_file.h"
#include "system/user_names.h"

#include <cerrno>
#include <cstring>
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

// "16 MiB": the bounds are whole mebibytes.
std::string mebibytes(std::size_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

std::string tooLarge(std::string_view kind, std::size_t maxBytes)
{
    return "larger than " + mebibytes(maxBytes) + ", which no " + std::string(kind) + " is";
}

}  // namespace

// strerror_r, not strerror: pictures are read on worker threads too.
std::string errorText(int errorNumber)
{
    const int saved = errno;
    char buffer[256];
    std::string text = ::strerror_r(errorNumber, buffer, sizeof buffer);
    errno = saved;
    return text;
}

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
        return path + " is larger than " + mebibytes(kMaxTextFileBytes);
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

std::string whyUnreadableFile(const std::string& path, int errorNumber)
{
    struct stat link {};
    if (errorNumber == ENOENT && ::lstat(path.c_str(), &link) == 0)
        return "a link to a file that does not exist";
    if (errorNumber == kNotARegularFile)
        return "not a regular file";
    return errorText(errorNumber);
}

std::string whyUnreadableFile(const std::string& path, int errorNumber, std::string_view kind, std::size_t maxBytes)
{
    return errorNumber == kFileTooLarge ? tooLarge(kind, maxBytes) : whyUnreadableFile(path, errorNumber);
}

std::string whyLeftOut(const WholeFile& failure, const ReadRules& rules, std::string_view kind,
                       std::size_t maxBytes)
{
    if (failure.readFailed)
        return errorText(failure.error);
    if (failure.owner && rules.owner)
        return "belongs to " + ownerName(*failure.owner) + ", not to " + ownerName(*rules.owner);
    if (failure.error == ELOOP && !rules.followLinks)
        return "a link, which is never followed";
    if (failure.error == kNotARegularFile || failure.error == EISDIR)
        return "not a regular file";
    if (failure.error == kFileTooLarge)
        return tooLarge(kind, maxBytes);
    return errorText(failure.error);
}

void raiseUnreadablePicture(const WholeFile& failure, const std::string& shownName, std::size_t maxBytes)
{
    if (failure.error == kFileTooLarge)
        throw EFOpenError("Cannot open file " + shownName + ": larger than " + mebibytes(maxBytes));
    if (failure.readFailed)
        throw EInOutError("I/O error " + std::to_string(failure.error), failure.error);
    throw EFOpenError("Cannot open file " + shownName);
}

}  // namespace brindolo
