// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Users named as the password database names them, for messages about who
// owns a file.

#include <string>
#include <sys/types.h>

namespace brindolo {

// The user's login name, or "user NUMBER" when the database has none.
std::string ownerName(uid_t owner);

}  // namespace brindolo
