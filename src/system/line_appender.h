// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whole lines appended to the files of one folder, as mail spools do: each
// line goes in one write(2) to a file opened with O_APPEND and held under an
// exclusive flock, so that two writers (two copies of the program, or
// machines on one network share) never interleave or lose lines. Files are
// opened relative to the folder's descriptor and never through a link, so a
// link planted in a shared folder leads nowhere, and only a file the writer
// owns is written into. The lock is never waited for more than a few tens of
// milliseconds, so that a writer holding it cannot freeze another's window.

#include "system/file_descriptor.h"

#include <string>

namespace brindolo {

class LineAppender {
public:
    // Opens the folder; throws EInOutError when it is missing or cannot be
    // written to.
    explicit LineAppender(const std::string& folder);
    // Appends line (which ends with its own line break) to the bare file
    // name, creating it with mode 0640 and header first when it is new or
    // empty. Throws EInOutError when the line could not be written whole,
    // when the file belongs to another user or stays locked.
    void append(const std::string& name, const std::string& header, const std::string& line) const;

private:
    std::string folderName_;
    FileDescriptor folder_;
};

}  // namespace brindolo
