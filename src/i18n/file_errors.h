// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The messages of file errors, as the player reads them in the error box.

#include "system/errors.h"

#include <string>

namespace brindolo {

// The message for errno: "File not found", "Invalid filename" when the
// folder of path does not exist, "Too many open files", "File access
// denied", the path with why for the reader's refusals (too large, not a
// regular file), otherwise "I/O error <errno>".
std::string fileErrorMessage(int errorNumber, const std::string& path);

// Raises EInOutError with that message and errno as its error code.
[[noreturn]] void raiseFileError(int errorNumber, const std::string& path);

}  // namespace brindolo
