// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace brindolo {

// The folder holding the running executable, ending with "/", as the file
// system's bytes.
std::string programFolder();

}  // namespace brindolo
