// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/standard_streams.h"

#include <array>
#include <cerrno>
#include <fcntl.h>

namespace brindolo {

namespace {

std::array<bool, 3> closedAtStart{};

}  // namespace

void secureStandardStreams()
{
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        closedAtStart[fd] = true;
        // The lower ones are open by now, so /dev/null takes this number.
        ::open("/dev/null", O_RDWR);
    }
}

bool standardStreamWasClosed(int fd)
{
    return fd >= 0 && fd < 3 && closedAtStart[fd];
}

}  // namespace brindolo
