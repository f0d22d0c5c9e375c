#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --install` lays out the program folder the way the program reads it,
# with a launcher on the PATH and a desktop entry, icon and metainfo that the
# freedesktop validators accept.
source "$(dirname "$0")/common.sh"

prefix="$scratch/prefix"
cmake --install "$BIN" --prefix "$prefix" >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; finish; }

app="$prefix/lib/brindolo"
id=org.brindolo.Brindolo
for f in bin/brindolo share/applications/$id.desktop share/applications/$id.Words.desktop \
         share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/doc/brindolo/CREDITS etc/xdg/brindolo/brindolo.conf; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/brindolo" ] || fail "bin/brindolo is not executable"
for size in 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "the ${size}x${size} icon is missing or has the wrong size"
done

installed="$(find "$app/immagini" -type f | wc -l)"
[ "$installed" -eq "$(shipped_count)" ] ||
    fail "$installed files in lib/brindolo/immagini, expected the $(shipped_count) shipped pictures and nothing else"
packs="$(find "$PACKS" -type f -name '*.jpg' -printf '%P\n' | sort)"
installed="$(find "$app/parole" -type f -printf '%P\n' 2>/dev/null | sort || true)"
[ "$installed" = "$packs" ] ||
    fail "lib/brindolo/parole differs from the word packs' pictures: $(diff <(echo "$packs") <(echo "$installed") | grep '^[<>]' | head -5 | tr '\n' ' ')"
for f in "$SRC"/data/lingue.txt "$SRC"/data/*.lng; do
    [ -e "$f" ] || continue
    [ -f "$app/$(basename "$f")" ] || fail "$(basename "$f") is not installed beside the program"
done
for target in brindolo jpeg2bmp; do
    if [ -x "$BIN/bin/$target" ]; then
        [ -x "$app/$target" ] || fail "$target is built but not installed in lib/brindolo"
    fi
done
for module in "$BIN"/bin/modules/*.so; do
    [ -e "$module" ] || continue
    [ -f "$app/modules/$(basename "$module")" ] ||
        fail "modules/$(basename "$module") is built but not installed in lib/brindolo/modules"
done

for entry in $id $id.Words; do
    if ! desktop-file-validate "$prefix/share/applications/$entry.desktop" >"$scratch/desktop.log" 2>&1 ||
            grep -qiE 'error|warning' "$scratch/desktop.log"; then
        fail "desktop-file-validate $entry: $(cat "$scratch/desktop.log")"
    fi
done
# The editor's file type: a .brindolo file is told by its name, and opens in
# the editor.
mkdir -p "$scratch/mime/packages"
cp "$prefix/share/mime/packages/$id.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 || fail "update-mime-database: $(cat "$scratch/mime.log")"
grep -q '^application/x-brindolo:\*\.brindolo$' "$scratch/mime/globs" 2>/dev/null ||
    fail "the installed file type does not claim *.brindolo"
grep -q '^MimeType=application/x-brindolo;$' "$prefix/share/applications/$id.Words.desktop" ||
    fail "the editor's desktop entry does not open .brindolo files"
# validate-tree also checks that the metainfo names a desktop file that is
# installed beside it.
appstreamcli validate-tree --no-net "$prefix" >"$scratch/appstream.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$scratch/appstream.log")"

finish
