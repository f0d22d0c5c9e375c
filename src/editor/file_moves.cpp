// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/file_moves.h"

#include "editor/editor_errors.h"
#include "game/word_rules.h"
#include "system/file_errors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace brindolo {

// A name that differs only in case on a file system that ignores case is
// the same file, which may be renamed.
bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    return ::lstat(a.c_str(), &first) == 0 && ::lstat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

void makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        struct stat status {};
        if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            throw EInOutError("Cannot make the folder " + part + ": " + errorText(errno), errno);
        if (!part.empty() && (::stat(part.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)))
            throw EInOutError("Cannot make the folder " + part + ": " + errorText(ENOTDIR), ENOTDIR);
        if (slash == std::string::npos)
            return;
    }
}

int renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (sameFile(from, to))
        return std::rename(from.c_str(), to.c_str());
    const int result = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (result == 0 || (errno != EINVAL && errno != ENOSYS))
        return result;
    // File systems without the flag: checked, then renamed.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.c_str(), to.c_str());
}

void FileMoves::run(const std::string& taken)
{
    std::string there;
    for (const auto& [from, to] : moves_) {
        struct stat status {};
        if (::lstat(to.c_str(), &status) == 0 && !sameFile(from, to))
            there += (there.empty() ? "" : ", ") + std::string(fileNameOf(to));
    }
    if (!there.empty())
        throw EWordExists(taken + " (" + there + ")");
    for (std::size_t done = 0; done < moves_.size(); ++done) {
        const auto& [from, to] = moves_[done];
        if (renameWithoutReplacing(from, to) == 0)
            continue;
        const int error = errno;
        while (done-- > 0)
            std::rename(moves_[done].second.c_str(), moves_[done].first.c_str());
        throw EInOutError("Cannot move " + from + " to " + to + ": " + errorText(error), error);
    }
}

}  // namespace brindolo
