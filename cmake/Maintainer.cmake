# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Who makes the package, found the way Debian's own tools (dch, dh_make) find
# it: DEBFULLNAME and DEBEMAIL (which may hold "Name <address>" on its own),
# then NAME and EMAIL, and otherwise the user running the build, with the full
# name from the password database, at the mail name or the host's full name.
# Read when the package is made, so that each packager signs their own build.
function(brindolo_maintainer out)
  set(name "$ENV{DEBFULLNAME}")
  set(address "$ENV{DEBEMAIL}")
  if(address MATCHES "^(.*[^ ]) *<([^>]*)>$")
    if(name STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(address "${CMAKE_MATCH_2}")
  endif()
  if(name STREQUAL "")
    set(name "$ENV{NAME}")
  endif()
  if(address STREQUAL "")
    set(address "$ENV{EMAIL}")
  endif()

  if(name STREQUAL "" OR address STREQUAL "")
    execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(name STREQUAL "")
    execute_process(COMMAND getent passwd "${user}" OUTPUT_VARIABLE entry OUTPUT_STRIP_TRAILING_WHITESPACE)
    # The fifth field, up to its first comma, is the user's full name.
    if(entry MATCHES "^[^:]*:[^:]*:[^:]*:[^:]*:([^:,]+)")
      set(name "${CMAKE_MATCH_1}")
    else()
      set(name "${user}")
    endif()
  endif()
  if(address STREQUAL "")
    if(EXISTS /etc/mailname)
      file(STRINGS /etc/mailname host LIMIT_COUNT 1)
    else()
      cmake_host_system_information(RESULT host QUERY FQDN)
    endif()
    set(address "${user}@${host}")
  endif()
  set(${out} "${name} <${address}>" PARENT_SCOPE)
endfunction()
