# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

file(GLOB languages ${SRC}/lingue.txt ${SRC}/*.lng)
foreach(f ${languages})
  file(COPY ${f} DESTINATION ${DST})
endforeach()
