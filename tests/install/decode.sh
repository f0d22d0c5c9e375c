#!/usr/bin/env bash
# Every shipped picture decodes through the program's own JPEG code, at the
# size the file declares.
source "$(dirname "$0")/common.sh"

tool="$BIN/bin/jpeg2bmp"
[ -x "$tool" ] || skip "$tool is not built"

for picture in "$PICTURES"/*.jpg; do
    name="$(basename "$picture")"
    if ! "$tool" "$picture" "$scratch/out.bmp" 2>"$scratch/stderr"; then
        fail "$name does not decode: $(cat "$scratch/stderr")"
        continue
    fi
    want="$(identify -format '%wx%h' "$picture")"
    got="$(identify -format '%wx%h' "$scratch/out.bmp" 2>/dev/null || echo unreadable)"
    [ "$got" = "$want" ] || fail "$name decodes to a $got bitmap, the file says $want"
done

finish
