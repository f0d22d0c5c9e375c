#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak memory of jpeg2bmp decoding a 4000 x 3000 picture, against djpeg
# writing the same BMP image.
# usage: bash bench/jpeg2bmp_memory.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$build/bench-data"
picture="$data/picture4000x3000.jpg"
bash "$here/picture/make_picture.sh" 4000 3000 "$picture"

peak_kb() {
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}
ours=$(peak_kb "$build/bin/jpeg2bmp" "$picture" "$data/jpeg2bmp.bmp")
theirs=$(peak_kb djpeg -colors 256 -bmp -outfile "$data/djpeg.bmp" "$picture")
cmp -s "$data/jpeg2bmp.bmp" "$data/djpeg.bmp" || echo "jpeg2bmp and djpeg wrote different BMP images"
rm -f "$data/jpeg2bmp.bmp" "$data/djpeg.bmp"
echo "jpeg2bmp peak ${ours} KiB, djpeg peak ${theirs} KiB"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "Jpeg2bmpPeakMemory: %.3fx (goal <= 1.5x)\n", a / b }'
