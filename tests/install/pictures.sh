#!/usr/bin/env bash
# The shipped pictures: what the game shows at natural size without clipping,
# small baseline JPEGs on white, and exactly the words of the picture table.
source "$(dirname "$0")/common.sh"

count="$(shipped_count)"
[ "$count" -ge 80 ] || fail "only $count shipped pictures, expected at least 80"

# Capitals would make the game spell the extension too (CAT.JPG), and a picture
# the table does not list cannot be remade.
table_words="$(grep -v -e '^#' -e '^$' "$SRC/tools/make-pictures.tsv" | cut -f1 | sort)"
folder_words="$(cd "$PICTURES" && ls | grep -v '^CREDITS$' | sort)"
expected="$(sed 's/$/.jpg/' <<<"$table_words")"
[ "$folder_words" = "$expected" ] ||
    fail "pictures and word table differ: $(diff <(echo "$expected") <(echo "$folder_words") | grep '^[<>]' | tr '\n' ' ')"
grep -q '[A-Z]' <<<"$folder_words" && fail "picture names with capitals: $(grep '[A-Z]' <<<"$folder_words" | tr '\n' ' ')"

# Width, height, interlacing (None = baseline), size in bytes, and the darkest
# channel of the four corners, which shows whether the background is white.
corner='min(p{X,Y}.r,min(p{X,Y}.g,p{X,Y}.b))'
corners="int(255*min(min(${corner//X,Y/0,0},${corner//X,Y/w-1,0}),min(${corner//X,Y/0,h-1},${corner//X,Y/w-1,h-1})))"
while read -r name format width height interlace bytes white; do
    [ "$format" = JPEG ] || fail "$name is $format, not JPEG"
    { [ "$width" -le 321 ] && [ "$height" -le 318 ]; } || fail "$name is ${width}x${height}, larger than 321x318"
    [ "$interlace" = None ] || fail "$name is progressive ($interlace), not baseline"
    [ "${bytes%B}" -le 30720 ] || fail "$name has ${bytes%B} bytes, more than 30 KB"
    [ "$white" -ge 245 ] || fail "$name has a corner of brightness $white, not a white background"
done < <(identify -format "%f %m %w %h %[interlace] %B %[fx:$corners]\n" "$PICTURES"/*.jpg)

finish
