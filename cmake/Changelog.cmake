# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time, so that the changelog's sign-off names whoever makes the
# install or the package: writes debian/changelog.in, filled in and gzipped as
# Debian ships it, into the documentation folder. Expects BRINDOLO_SOURCE_DIR,
# BRINDOLO_WORK_DIR (a folder of the build to write in) and BRINDOLO_DOCDIR
# (relative to the install prefix).
include(${CMAKE_CURRENT_LIST_DIR}/Maintainer.cmake)
brindolo_maintainer(BRINDOLO_MAINTAINER)
configure_file(${BRINDOLO_SOURCE_DIR}/debian/changelog.in ${BRINDOLO_WORK_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${BRINDOLO_WORK_DIR}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(INSTALL ${BRINDOLO_WORK_DIR}/changelog.gz DESTINATION "${CMAKE_INSTALL_PREFIX}/${BRINDOLO_DOCDIR}")
