// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Standard input, output and error that the caller closed ("brindolo
// --worksheet - >&-"). The system gives the lowest free number to the next
// file opened, so a closed standard output would make the program write its
// output into whatever file it opened next. Each closed one is opened on
// /dev/null at start instead, and remembered, so that "-" can be refused.

namespace brindolo {

// First thing in main, before anything opens a file.
void secureStandardStreams();

// fd is 0, 1 or 2; false when secureStandardStreams was not called.
bool standardStreamWasClosed(int fd);

}  // namespace brindolo
