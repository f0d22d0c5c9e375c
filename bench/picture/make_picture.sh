#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes a photo-like JPEG of WIDTH x HEIGHT once: the corpus picture scaled
# up, with some grain so that it does not compress like a flat gradient.
# usage: make_picture.sh WIDTH HEIGHT OUT.jpg
set -euo pipefail
width=$1 height=$2 out=$3
[ -s "$out" ] && exit 0
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
mkdir -p "$(dirname "$out")"
tmp="$out.$$.ppm"
trap 'rm -f "$tmp"' EXIT
convert "$root/tests/data/jpeg-corpus/testorig.jpg" -resize "${width}x${height}!" \
  -attenuate 0.3 +noise Gaussian "ppm:$tmp"
cjpeg -quality 85 -outfile "$out.$$" "$tmp"
mv "$out.$$" "$out"
