#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What only a module uses stays out of the game's start: the game neither
# links nor loads Qt Multimedia, its sound and codec libraries, libzip or Qt
# Print Support;
# each module links what it needs and exports only its entry points.
source "$(dirname "$0")/common.sh"

[ -x "$PROGRAM" ] || skip "$PROGRAM is not built"

# The libraries of the teacher's recordings (Qt Multimedia, the sound server's
# client, GStreamer, FFmpeg's codecs), of the word-list editor (libzip) and of
# printing (Qt Print Support).
module_only='libQt6Multimedia|libpulse|libgst|libav(codec|format|util)|libzip|libQt6PrintSupport'

needed() { readelf -d "$1" | sed -nE 's/.*\(NEEDED\).*\[(.*)\]/\1/p'; }

linked="$(needed "$PROGRAM" | grep -E "^($module_only)" || true)"
[ -z "$linked" ] || fail "the game links what only a module needs: $(tr '\n' ' ' <<<"$linked")"
needed "$BIN/bin/modules/recordings.so" 2>/dev/null | grep -q '^libQt6Multimedia' ||
    fail "modules/recordings.so is missing or does not link Qt Multimedia"
needed "$BIN/bin/modules/printing.so" 2>/dev/null | grep -q '^libQt6PrintSupport' ||
    fail "modules/printing.so is missing or does not link Qt Print Support"

# Type information (_ZTI, _ZTS) of a class from another library's headers is
# weak and merged with that library's by the loader; the sanitizer build
# emits some (QObjectData's) for its checks of dynamic types.
for module in "$BIN"/bin/modules/*.so; do
    [ -e "$module" ] || continue
    others="$(nm -D --defined-only "$module" |
              awk '$2 ~ /^[TWDBRV]$/ && $3 !~ /^(brindolo_|_edata$|_end$|__bss_start$|_ZT[IS])/ {print $3}')"
    [ -z "$others" ] || fail "$(basename "$module") exports more than its entry points: $(head -5 <<<"$others" | tr '\n' ' ')"
done

# Measured from outside: a start to the window and out again loads none of it.
loaded="$(cd / && QT_QPA_PLATFORM=offscreen BRINDOLO_REPORT_AND_QUIT=1 LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/ld" \
          timeout 60 "$PROGRAM" >/dev/null 2>&1 && cat "$scratch"/ld.* | grep -oE 'file=[^ ]+ +\[0\]; +generating link map' |
          sed -E 's/file=([^ ]+).*/\1/' | sort -u)" || fail "the game did not start and quit"
grep -q '^libQt6Core' <<<"$loaded" || fail "LD_DEBUG reported no libraries loaded: the check below would prove nothing"
started="$(grep -E "($module_only)" <<<"$loaded" || true)"
[ -z "$started" ] || fail "the game's start loads what only a module needs: $(tr '\n' ' ' <<<"$started")"

finish
