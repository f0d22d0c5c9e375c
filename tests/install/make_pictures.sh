#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tools/make-pictures on a small table: it makes baseline pictures on white,
# stops with a clear message on a missing tool, SVG or bad table line, and
# never leaves a half-written picture behind.
source "$(dirname "$0")/common.sh"

command -v rsvg-convert >/dev/null || skip "rsvg-convert is not installed"
make="$SRC/tools/make-pictures"
emoji="$scratch/twemoji"
mkdir -p "$emoji" "$scratch/out"
# A red disc on a transparent page: the page must come out white.
cat >"$emoji/1f534.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 36 36"><circle cx="18" cy="18" r="12" fill="#dd2e44"/></svg>
SVG
printf '# word\temoji\nrosso\t1f534\n= colori\nperché\t1f534\n' >"$scratch/table.tsv"

# expect_failure DESCRIPTION MESSAGE-PATTERN make-pictures-arguments...: the run
# fails, says what is wrong, and leaves the output folder as it was.
expect_failure() {
    local what="$1" pattern="$2" before after
    shift 2
    before="$(ls -A "$scratch/out")"
    if "$@" >"$scratch/log" 2>&1; then
        fail "$what: make-pictures succeeded"
    elif ! grep -qE "$pattern" "$scratch/log"; then
        fail "$what: the message does not say /$pattern/: $(cat "$scratch/log")"
    fi
    after="$(ls -A "$scratch/out")"
    [ "$after" = "$before" ] || fail "$what: the output folder changed from '$before' to '$after'"
}

run() {
    "$make" --pictures-only --twemoji "$emoji" --out "$scratch/out" "$@"
}

if run --table "$scratch/table.tsv" >"$scratch/log" 2>&1; then
    read -r size interlace corner < <(identify -format \
        '%wx%h %[interlace] %[fx:int(255*min(p{0,0}.r,min(p{0,0}.g,p{0,0}.b)))]\n' "$scratch/out/rosso.jpg") || true
    [ "${size:-}" = 300x300 ] && [ "${interlace:-}" = None ] && [ "${corner:-0}" -ge 245 ] ||
        fail "rosso.jpg is $size, interlace $interlace, corner $corner: expected a 300x300 baseline picture on white"
    [ -f "$scratch/out/colori/perché.jpg" ] ||
        fail "no colori/perché.jpg for the accented word in its theme: $(ls -R "$scratch/out")"
else
    fail "make-pictures failed on a good table: $(cat "$scratch/log")"
fi

printf 'verde\t1f7e2\n' >>"$scratch/table.tsv"
expect_failure "missing SVG" "1f7e2\.svg.*missing" run --table "$scratch/table.tsv"

for line in 'Rosso\t1f534' 'Él\t1f534' 'ros\xffso\t1f534' 'perche\xcc\x81\t1f534' 'arcobalenoblu\t1f534' \
            'rosso\t1F534' 'rosso' '../rosso\t1f534' 'rosso\t1f534\nrosso\t1f534' '= ../colori\nrosso\t1f534'; do
    printf "$line\n" >"$scratch/bad.tsv"
    expect_failure "table line '$line'" "bad\.tsv:[0-9]+:" run --table "$scratch/bad.tsv"
done

# A PATH with what the script runs, but no cjpeg; linking all of /usr/bin
# takes seconds.
mkdir "$scratch/path"
for tool in bash env dirname mktemp rm mv chmod mkdir sed cat rsvg-convert convert python3; do
    ln -s "$(command -v "$tool")" "$scratch/path/$tool"
done
expect_failure "cjpeg missing" "'cjpeg' is missing" \
    env PATH="$scratch/path" "$make" --pictures-only --twemoji "$emoji" --out "$scratch/out" --table "$scratch/table.tsv"

# A cjpeg that dies half-way through writing its file.
rm "$scratch/out/rosso.jpg"
cat >"$scratch/path/cjpeg" <<'SH'
#!/bin/sh
while [ "$1" != -outfile ]; do shift; done
printf '\377\330\377half' >"$2"
exit 1
SH
chmod +x "$scratch/path/cjpeg"
head -n 2 "$scratch/table.tsv" >"$scratch/good.tsv"
expect_failure "cjpeg failing" "cjpeg could not encode" \
    env PATH="$scratch/path" "$make" --pictures-only --twemoji "$emoji" --out "$scratch/out" --table "$scratch/good.tsv"

finish
