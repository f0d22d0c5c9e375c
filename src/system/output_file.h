// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A file the program writes for the user (a worksheet, a converted
// picture), by the rules of cp, tee and djpeg -outfile:
// - "-" is standard output, refused when the caller closed it (see
//   system/standard_streams.h);
// - a target that is there and is no regular file (a device, a named pipe)
//   is opened and written straight: it is never replaced;
// - a regular or new file is written beside the target, under a short name
//   of its own, and renamed over it only when whole, so a failure leaves
//   the target as it was;
// - links are written through, except what another user planted in a
//   shared folder with the sticky bit (/tmp), refused as the kernel's
//   protection rules would (see system/output_path.h).
// Every failure raises Exception naming the path with the system's reason.

#include "system/output_path.h"

#include <cstddef>
#include <optional>
#include <string>

namespace brindolo {

class OutputFile {
public:
    // path in the file system's bytes.
    explicit OutputFile(std::string path);
    // Without commit, a temporary file is removed and the target is untouched.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(const void* data, std::size_t size);
    // Everything is written: the file takes its place.
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error) const;

    std::string path_;                 // as named, for the messages
    std::optional<OutputPath> target_;  // none for standard output
    std::string temporary_;            // in the target's folder; empty when writing straight
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace brindolo
