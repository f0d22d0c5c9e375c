# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/run installs what building and running need, and none of what only
# the tests need. The script runs on a copy, with apt-get, dpkg-query, sudo,
# cmake and the game itself replaced by stand-ins.
source "$(dirname "$0")/common.sh"

root="$scratch/root"
stubs="$scratch/stubs"
mkdir -p "$root/scripts" "$root/build/bin" "$stubs"
cp "$SRC/scripts/lib.sh" "$SRC/scripts/run" "$root/scripts/"
printf '#!/bin/sh\nexit 1\n' >"$stubs/dpkg-query"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$scratch/apt.log" >"$stubs/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$stubs/sudo"
printf '#!/bin/sh\nexit 0\n' >"$stubs/cmake"
printf '#!/bin/sh\nexit 0\n' >"$root/build/bin/brindolo"
chmod +x "$stubs"/* "$root/build/bin/brindolo"

PATH="$stubs:$PATH" bash "$root/scripts/run" >/dev/null || fail "scripts/run failed"
installed=" $(grep '^install ' "$scratch/apt.log" | tr '\n' ' ' || true) "
read -r -a runtime <<<"$(bash -c 'source "$1"; echo "${RUNTIME_PACKAGES[@]}"' _ "$SRC/scripts/lib.sh")"
read -r -a tests <<<"$(bash -c 'source "$1"; echo "${TEST_PACKAGES[@]}"' _ "$SRC/scripts/lib.sh")"
for p in "${runtime[@]}"; do
    [[ "$installed" == *" $p "* ]] || fail "scripts/run does not install $p"
done
for p in "${tests[@]}"; do
    [[ "$installed" != *" $p "* ]] || fail "scripts/run installs the test package $p"
done
finish
