# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack as it makes the package, so the maintainer is the packager of
# this build rather than whoever configured it.
include(${CMAKE_CURRENT_LIST_DIR}/Maintainer.cmake)
brindolo_maintainer(CPACK_DEBIAN_PACKAGE_MAINTAINER)
