#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed launcher starts the installed program, from any working
# folder, on the pictures installed beside it (not the build folder's).
source "$(dirname "$0")/common.sh"

[ -x "$PROGRAM" ] || skip "$PROGRAM is not built"

prefix="$scratch/prefix"
cmake --install "$BIN" --prefix "$prefix" >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; finish; }

# Reached through a symbolic link, as a user's own ~/bin link would.
ln -s "$prefix/bin/brindolo" "$scratch/my-brindolo"
# -quit, not a pipe into head: under pipefail, find killed by SIGPIPE
# would end the script at random.
victim="$(find "$prefix/lib/brindolo/immagini" -name "*.jpg" -print -quit)"
rm "$victim"
run_reporting "$scratch/my-brindolo"
[ -z "$reported" ] || [ "$reported" -eq "$(($(shipped_count) - 1))" ] ||
    fail "the installed program reports $reported pictures, expected the $(($(shipped_count) - 1)) left installed"

finish
