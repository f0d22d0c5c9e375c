#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The shipped pictures, the Italian ones and every word pack: what the game
# shows at natural size without clipping, small baseline JPEGs on white, and
# exactly the words of their picture tables.
source "$(dirname "$0")/common.sh"
# A word's letters are UTF-8 code points, accents included.
export LC_ALL=C.UTF-8
# What a tile shows of its 16-pixel bold Liberation Mono at the design size.
TILE_LETTERS=16

# A pack for every language of lingue.txt but Italian, named after its line in
# small letters, as the .lng files are.
expected_packs="$(tr -d '\r' <"$SRC/data/lingue.txt" | grep -v -x -e '' -e italiano |
                  while read -r language; do echo "${language,,}"; done | sort)"
[ "$(pack_languages)" = "$expected_packs" ] ||
    fail "word packs '$(pack_languages | tr '\n' ' ')' differ from the languages '$(tr '\n' ' ' <<<"$expected_packs")'"

# check_words FOLDER TABLE: enough pictures, and exactly the table's words in
# their themes' folders ("= theme" lines), each one word of small letters that
# fits a tile. Capitals would make the game
# spell the extension too (CAT.JPG), and a picture the table does not list
# cannot be remade.
check_words() {
    local folder="$1" table="$2" count table_words folder_words word
    [ -r "$table" ] || { fail "$folder has no word table $table"; return 0; }
    count="$(shipped_count "$folder")"
    [ "$count" -ge 80 ] || fail "only $count pictures in $folder, expected at least 80"
    table_words="$(awk -F'\t' '/^= / { theme = substr($0, 3) "/"; next } !/^#/ && NF { print theme $1 }' "$table" | sort)"
    folder_words="$(cd "$folder" && find . -type f ! -name CREDITS -printf '%P\n' | sort)"
    [ "$folder_words" = "$(sed 's/$/.jpg/' <<<"$table_words")" ] ||
        fail "$folder and $table differ: $(diff <(sed 's/$/.jpg/' <<<"$table_words") <(echo "$folder_words") | grep '^[<>]' | tr '\n' ' ')"
    while read -r word; do
        word="${word%.jpg}"
        word="${word##*/}"
        [[ "$word" =~ ^[[:lower:]]+$ ]] || fail "$folder/$word.jpg: not one word of small UTF-8 letters"
        [ ${#word} -le "$TILE_LETTERS" ] || fail "$folder/$word.jpg: ${#word} letters, a tile shows $TILE_LETTERS"
    done <<<"$folder_words"
}

check_words "$PICTURES" "$SRC/tools/make-pictures.tsv"
folders=("$PICTURES")
while read -r language; do
    [ -n "$language" ] || continue
    check_words "$PACKS/$language" "$SRC/tools/parole/$language.tsv"
    folders+=("$PACKS/$language")
done < <(pack_languages)

# Width, height, interlacing (None = baseline), size in bytes, and the darkest
# channel of the four corners, which shows whether the background is white.
corner='min(p{X,Y}.r,min(p{X,Y}.g,p{X,Y}.b))'
corners="int(255*min(min(${corner//X,Y/0,0},${corner//X,Y/w-1,0}),min(${corner//X,Y/0,h-1},${corner//X,Y/w-1,h-1})))"
for folder in "${folders[@]}"; do
    # The name last: a theme's folder may hold blanks.
    while read -r format width height interlace bytes white name; do
        name="$folder/$name"
        [ "$format" = JPEG ] || fail "$name is $format, not JPEG"
        { [ "$width" -le 321 ] && [ "$height" -le 318 ]; } || fail "$name is ${width}x${height}, larger than 321x318"
        [ "$interlace" = None ] || fail "$name is progressive ($interlace), not baseline"
        [ "${bytes%B}" -le 30720 ] || fail "$name has ${bytes%B} bytes, more than 30 KB"
        [ "$white" -ge 245 ] || fail "$name has a corner of brightness $white, not a white background"
    done < <(cd "$folder" && find . -name '*.jpg' -printf '%P\0' |
             xargs -0 identify -format "%m %w %h %[interlace] %B %[fx:$corners] %d/%f\n")
done

finish
