// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/user_names.h"

#include <pwd.h>

namespace brindolo {

std::string ownerName(uid_t owner)
{
    const passwd* user = ::getpwuid(owner);
    return user && user->pw_name ? std::string(user->pw_name) : "user " + std::to_string(owner);
}

}  // namespace brindolo
