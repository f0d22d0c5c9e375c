# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the install tests: arguments, a scratch folder and how to end.
#   <test>.sh SOURCE_DIR BINARY_DIR
set -euo pipefail
SRC="$1"
BIN="$2"
PICTURES="$SRC/data/immagini"
PACKS="$SRC/data/parole"
PROGRAM="$BIN/bin/brindolo"
SKIP=77

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
skip() {
    echo "SKIP: $*"
    exit "$SKIP"
}
finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# The pictures in FOLDER and its themes, the Italian ones by default.
shipped_count() {
    find "${1:-$PICTURES}" -mindepth 1 -maxdepth 2 -type f -name '*.jpg' | wc -l
}

# The word packs' languages (parole/<language>), one a line.
pack_languages() {
    find "$PACKS" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort
}

# Starts an installed program the way the window lets a script start it: it
# builds its window, prints "catalogue: N" and quits. Sets `reported` to N, or
# to nothing after recording a failure.
reported=""
run_reporting() {
    local launcher="$1" out rc=0 line
    reported=""
    out="$(cd / && QT_QPA_PLATFORM=offscreen BRINDOLO_REPORT_AND_QUIT=1 \
           timeout 60 "$launcher" 2>"$scratch/stderr")" || rc=$?
    if [ "$rc" -ne 0 ]; then
        fail "$launcher exited with $rc: $(cat "$scratch/stderr")"
        return 0
    fi
    line="$(grep -E '^catalogue: [0-9]+$' <<<"$out" || true)"
    if [ -z "$line" ] || [ "$(wc -l <<<"$line")" -ne 1 ]; then
        fail "$launcher printed no single 'catalogue: N' line; it printed: $out"
        return 0
    fi
    reported="${line#catalogue: }"
}
