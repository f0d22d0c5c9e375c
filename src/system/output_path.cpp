// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/output_path.h"

#include "system/errors.h"
#include "system/file_descriptor.h"
#include "system/file_errors.h"
#include "system/utf8.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace brindolo {

namespace {

// The kernel's bound on the links followed while resolving one path.
constexpr int kMostLinks = 40;

std::deque<std::string> namesOf(const std::string& path)
{
    std::deque<std::string> names;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string ownerOf(uid_t uid)
{
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    const std::string number = "uid " + std::to_string(uid);
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return terminalSafe(found->pw_name) + " (" + number + ")";
    return number;
}

const char* kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return "link";
    return S_ISFIFO(mode) ? "named pipe" : "file";
}

}  // namespace

OutputPath::OutputPath(const std::string& path) : path_(path)
{
    try {
        walk(path);
    } catch (...) {
        if (folder_ >= 0)
            ::close(folder_);
        throw;
    }
}

void OutputPath::walk(const std::string& path)
{
    std::deque<std::string> names = namesOf(path);
    if (names.empty())
        fail(path.empty() ? ENOENT : EISDIR);
    // What is shown of the walk so far, to name a planted link.
    std::string walked = path.front() == '/' ? "/" : "";
    enter(::open(walked.empty() ? "." : "/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    int links = 0;
    while (!names.empty()) {
        const std::string name = std::move(names.front());
        names.pop_front();
        const int entry = ::openat(folder_, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (entry < 0 && errno == ENOENT && names.empty() && path.back() != '/') {
            name_ = name;  // a new file
            return;
        }
        if (entry < 0)
            fail(errno);
        FileDescriptor entryHeld(entry);
        struct stat status {};
        if (::fstat(entry, &status) != 0)
            fail(errno);
        if (S_ISLNK(status.st_mode) || names.empty())
            refuseIfPlanted(joined(walked, name), status);
        if (S_ISLNK(status.st_mode)) {
            if (++links > kMostLinks)
                fail(ELOOP);
            const std::string target = linkText(entry);
            const std::deque<std::string> more = namesOf(target);
            names.insert(names.begin(), more.begin(), more.end());
            if (target.front() == '/') {
                walked = "/";
                enter(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            }
            if (names.empty())
                fail(EISDIR);  // a link to "/"
            continue;
        }
        if (names.empty()) {
            if (path.back() == '/' && !S_ISDIR(status.st_mode))
                fail(ENOTDIR);
            name_ = name;
            existing_ = status;
            return;
        }
        if (!S_ISDIR(status.st_mode))
            fail(ENOTDIR);
        enter(::dup(entry));
        walked = joined(walked, name);
    }
}

std::string OutputPath::linkText(int link) const
{
    std::string text(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(link, "", text.data(), text.size());
    if (length < 0)
        fail(errno);
    if (length == 0 || static_cast<std::size_t>(length) == text.size())
        fail(length == 0 ? ENOENT : ENAMETOOLONG);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

OutputPath::~OutputPath()
{
    if (folder_ >= 0)
        ::close(folder_);
}

void OutputPath::enter(int folder)
{
    if (folder < 0)
        fail(errno);
    if (folder_ >= 0)
        ::close(folder_);
    folder_ = folder;
}

void OutputPath::refuseIfPlanted(const std::string& shown, const struct stat& entry) const
{
    const bool link = S_ISLNK(entry.st_mode);
    if (!link && !S_ISFIFO(entry.st_mode) && !S_ISREG(entry.st_mode))
        return;
    struct stat folder {};
    if (::fstat(folder_, &folder) != 0)
        fail(errno);
    if (!(folder.st_mode & S_ISVTX) || entry.st_uid == ::geteuid() || entry.st_uid == folder.st_uid)
        return;
    // Links are protected in a folder everyone may write to; pipes and files
    // also in one a group may write to, as the strictest setting does.
    const mode_t shared = link ? S_IWOTH : S_IWOTH | S_IWGRP;
    if (!(folder.st_mode & shared))
        return;
    throw Exception("Cannot write " + terminalSafe(path_) + ": " + terminalSafe(shown) + " is a "
                    + kindOf(entry.st_mode) + " that another user, " + ownerOf(entry.st_uid)
                    + ", made in a shared folder with the sticky bit; nothing was written");
}

void OutputPath::fail(int error) const
{
    throw Exception("Cannot write " + terminalSafe(path_) + ": " + errorText(error));
}

}  // namespace brindolo
