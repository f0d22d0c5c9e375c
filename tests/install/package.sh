#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: its control fields, copyright, changelog and manual
# pages, what lintian says of it, and its program unpacked anywhere starts and
# finds every shipped picture.
source "$(dirname "$0")/common.sh"

[ -x "$PROGRAM" ] || skip "$PROGRAM is not built"

# The maintainer is whoever makes the package, as Debian's tools find them.
packager="Maestra Rossi"
DEBFULLNAME="$packager" cpack -G DEB --config "$BIN/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; finish; }
debs=("$scratch"/out/brindolo_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || { fail "cpack made no single brindolo_*.deb"; finish; }
deb="${debs[0]}"

depends="$(dpkg-deb -f "$deb" Depends)"
# libqt6multimedia6 is the recordings module's, found in it by dpkg-shlibdeps.
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libqt6multimedia6 libjpeg62-turbo \
              fonts-liberation2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for wanted in speech-dispatcher espeak-ng gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
    grep -qE "(^|, )$wanted( |,|$)" <<<"$recommends" || fail "Recommends lacks $wanted: $recommends"
done
suggests="$(dpkg-deb -f "$deb" Suggests)"
for font in fonts-sil-andika fonts-opendyslexic; do
    grep -qE "(^|, )$font( |,|$)" <<<"$suggests" || fail "Suggests lacks $font: $suggests"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "Section is '$(dpkg-deb -f "$deb" Section)', not education"
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
[[ "$maintainer" == "$packager <"*@*">" ]] || fail "Maintainer is '$maintainer', not $packager with an address"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
[ -f "$root/usr/lib/brindolo/modules/recordings.so" ] || fail "usr/lib/brindolo/modules/recordings.so is not packaged"
doc="$root/usr/share/doc/brindolo"
head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "usr/share/doc/brindolo/copyright is missing or not in the machine-readable format"
zcat "$doc/changelog.gz" >"$scratch/changelog" 2>/dev/null || fail "usr/share/doc/brindolo/changelog.gz is missing"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1)" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "the changelog's latest entry is not the package's version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Maintainer 2>&1)" = "$maintainer" ] ||
    fail "the changelog is not signed by the package's maintainer $maintainer"

# Every option a program lists must be documented, in bold, in its manual page.
documents_options() {
    local page="$1" usage="$2" option
    [ -f "$page" ] || { fail "${page#"$root"/} is missing"; return 0; }
    for option in $(grep -oE -- '(^|[ [])--?[a-z][a-z-]*' <<<"$usage" | tr -d ' ['); do
        zcat "$page" | grep -qF "\fB$option\fR" || fail "${page#"$root"/} does not document $option"
    done
}
documents_options "$root/usr/share/man/man1/jpeg2bmp.1.gz" "$("$root/usr/lib/brindolo/jpeg2bmp" 2>&1 || true)"
# Only a program that understands --help prints it instead of starting.
help="$(cd / && QT_QPA_PLATFORM=offscreen BRINDOLO_REPORT_AND_QUIT=1 timeout 60 \
        "$root/usr/bin/brindolo" --help 2>&1 | grep -v '^catalogue: ' || true)"
documents_options "$root/usr/share/man/man6/brindolo.6.gz" "$help"

# Run as root or on a host with no domain name, the address made up from the
# user and host is rightly refused; every other error or warning counts.
if command -v lintian >/dev/null; then
    lintian --suppress-tags root-in-contact,bogus-mail-host,bogus-mail-host-in-debian-changelog \
        "$deb" >"$scratch/lintian.log" 2>&1 || true
    ! grep -E '^[EW]: ' "$scratch/lintian.log" || fail "lintian has errors or warnings (above)"
fi
# The school's settings file: the administrator's to change, so a conffile;
# as shipped it changes nothing, and the values it suggests are all good ones.
settings=etc/xdg/brindolo/brindolo.conf
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles 2>/dev/null | grep -qx "/$settings" ||
    fail "/$settings is not a conffile"
export XDG_CONFIG_DIRS="$root/etc/xdg" XDG_CONFIG_HOME="$scratch/user"
run_reporting "$root/usr/bin/brindolo"
[ -z "$reported" ] || [ "$reported" -eq "$(shipped_count)" ] ||
    fail "the packaged program reports $reported pictures, expected $(shipped_count)"
! grep '^brindolo: ' "$scratch/stderr" || fail "the shipped /$settings gives warnings (above)"
mkdir -p "$scratch/user/brindolo"
sed -E 's/^;([a-z]+=)/\1/; /^pictures=/d' "$root/$settings" >"$scratch/user/brindolo/brindolo.conf"
grep -q '^fullscreen=' "$scratch/user/brindolo/brindolo.conf" || fail "/$settings lacks a fullscreen setting"
run_reporting "$root/usr/bin/brindolo"
! grep '^brindolo: ' "$scratch/stderr" || fail "a setting suggested in /$settings is refused (above)"

finish
