// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where a file the user named for writing is, found one name at a time as
// the kernel finds it, under the kernel's rules that keep a folder everyone
// may write to and that has the sticky bit (/tmp) from being used against
// the user:
// - protected links: every link met on the way (a folder of the path, the
//   last name, each link of a chain) is followed only when it belongs to
//   the user or to the folder's owner;
// - protected named pipes and regular files, at their strictest: a pipe or
//   file that is there is written only when it belongs to the user or to
//   the folder's owner, also in a folder only a group may write to.
// Devices are not covered by those rules and are written.
// What was planted is refused with an Exception naming it and its owner.

#include <optional>
#include <string>
#include <sys/stat.h>

namespace brindolo {

class OutputPath {
public:
    // path in the file system's bytes, never empty and never "-".
    explicit OutputPath(const std::string& path);
    ~OutputPath();
    OutputPath(const OutputPath&) = delete;
    OutputPath& operator=(const OutputPath&) = delete;

    // The folder that holds the last name, opened with O_PATH for the *at
    // calls, so that nothing is looked up again after the checks.
    int folder() const { return folder_; }
    // The last name inside folder(); never a link.
    const std::string& name() const { return name_; }
    // What the last name is, when there is something there.
    const std::optional<struct stat>& existing() const { return existing_; }

private:
    void walk(const std::string& path);
    void enter(int folder);
    std::string linkText(int link) const;
    void refuseIfPlanted(const std::string& shown, const struct stat& entry) const;
    [[noreturn]] void fail(int error) const;

    std::string path_;  // as named, for the messages
    int folder_ = -1;
    std::string name_;
    std::optional<struct stat> existing_;
};

}  // namespace brindolo
