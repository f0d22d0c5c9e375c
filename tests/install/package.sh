#!/usr/bin/env bash
# The Debian package: its control fields, and its program unpacked anywhere
# starts and finds every shipped picture.
source "$(dirname "$0")/common.sh"

[ -x "$PROGRAM" ] || skip "$PROGRAM is not built"

cpack -G DEB --config "$BIN/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; finish; }
debs=("$scratch"/out/brindolo_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || { fail "cpack made no single brindolo_*.deb"; finish; }
deb="${debs[0]}"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo fonts-liberation2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "Section is '$(dpkg-deb -f "$deb" Section)', not games"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package has no Maintainer"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "the package has no Description"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
run_reporting "$root/usr/bin/brindolo"
[ -z "$reported" ] || [ "$reported" -eq "$(shipped_count)" ] ||
    fail "the packaged program reports $reported pictures, expected $(shipped_count)"

finish
