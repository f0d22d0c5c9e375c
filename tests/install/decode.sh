#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every shipped picture, Italian or in a word pack, decodes through the
# program's own JPEG code at the size the file declares.
source "$(dirname "$0")/common.sh"

tool="$BIN/bin/jpeg2bmp"
[ -x "$tool" ] || skip "$tool is not built"

# decode_folder FOLDER: each of its pictures into a bitmap of its own size.
decode_folder() {
    local folder="$1" out picture name decoded=()
    out="$(mktemp -d "$scratch/bmp.XXXXXX")"
    for picture in "$folder"/*.jpg; do
        [ -e "$picture" ] || continue
        name="$(basename "$picture" .jpg)"
        if "$tool" "$picture" "$out/$name.bmp" 2>"$scratch/stderr"; then
            decoded+=("$name")
        else
            fail "$picture does not decode: $(cat "$scratch/stderr")"
        fi
    done
    [ ${#decoded[@]} -gt 0 ] || return 0
    # One identify call for all of them: one per file doubles the test's time.
    local declared got
    declared="$(cd "$folder" && identify -format '%t %wx%h\n' "${decoded[@]/%/.jpg}")"
    got="$(cd "$out" && identify -format '%t %wx%h\n' "${decoded[@]/%/.bmp}")"
    [ "$got" = "$declared" ] ||
        fail "bitmaps in $folder differ in size from their JPEGs: $(diff <(echo "$declared") <(echo "$got") | grep '^[<>]' | tr '\n' ' ')"
}

# decode_list FOLDER: the folder's pictures and each of its themes'.
decode_list() {
    local theme
    decode_folder "$1"
    for theme in "$1"/*/; do
        [ ! -d "$theme" ] || decode_folder "${theme%/}"
    done
}

decode_list "$PICTURES"
while read -r language; do
    [ -z "$language" ] || decode_list "$PACKS/$language"
done < <(pack_languages)

finish
