// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teacher's view of a results folder: one row per pupil's file
// (LOGIN.csv), then the words the class missed most.

#include <cstdio>
#include <string>

namespace brindolo {

// Prints the table of folder's results to out and each line that cannot be
// read, as "FILE:LINE: why", to err. Returns the number of such lines; throws
// EInOutError when the folder cannot be read.
int printClassSummary(const std::string& folder, std::FILE* out, std::FILE* err);

}  // namespace brindolo
