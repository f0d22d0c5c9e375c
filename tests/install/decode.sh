#!/usr/bin/env bash
# Every shipped picture decodes through the program's own JPEG code, at the
# size the file declares.
source "$(dirname "$0")/common.sh"

tool="$BIN/bin/jpeg2bmp"
[ -x "$tool" ] || skip "$tool is not built"

decoded=()
for picture in "$PICTURES"/*.jpg; do
    name="$(basename "$picture" .jpg)"
    if "$tool" "$picture" "$scratch/$name.bmp" 2>"$scratch/stderr"; then
        decoded+=("$name")
    else
        fail "$name.jpg does not decode: $(cat "$scratch/stderr")"
    fi
done

[ ${#decoded[@]} -gt 0 ] || finish
# One identify call for all of them: one per file doubles the test's time.
declared="$(cd "$PICTURES" && identify -format '%t %wx%h\n' "${decoded[@]/%/.jpg}")"
got="$(cd "$scratch" && identify -format '%t %wx%h\n' "${decoded[@]/%/.bmp}")"
[ "$got" = "$declared" ] ||
    fail "bitmaps differ in size from their JPEGs: $(diff <(echo "$declared") <(echo "$got") | grep '^[<>]' | tr '\n' ' ')"

finish
