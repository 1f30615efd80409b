#!/bin/sh
# Every guide, English and each translation, built twice with one
# SOURCE_DATE_EPOCH a second apart: the same bytes, figures and window
# pictures included; and each build holds the pictures its text names.
# usage: reproducible.sh MAKEHELP DOCS_SOURCE_FOLDER WORK_FOLDER LANG...
set -u
makehelp=$1 docs=$2 work=$3
shift 3
rm -rf "$work" && mkdir -p "$work" || exit 1
build() {  # build ROUND: every guide in every language
    for lang in en "$@"; do
        for doc in helpqv helpqvg; do
            src=$docs/$lang/$doc.html
            [ "$lang" = en ] && src=$docs/$doc.html
            SOURCE_DATE_EPOCH=1765000000 QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen \
                "$makehelp" --language "$lang" "$src" "$work/$doc.$lang.$round.pdf" || {
                echo "FAIL: $doc ($lang) was not built"; exit 1; }
        done
    done
}
round=1 build "$@"
sleep 1
round=2 build "$@"
status=0
for first in "$work"/*.1.pdf; do
    cmp "$first" "${first%.1.pdf}.2.pdf" || { echo "FAIL: $(basename "$first" .1.pdf) differs between builds"; status=1; }
done
# A guide's pictures are in it: as many images as its text names (the images
# of a PDF are the objects of subtype Image).
for lang in en "$@"; do
    for doc in helpqv helpqvg; do
        src=$docs/$lang/$doc.html
        [ "$lang" = en ] && src=$docs/$doc.html
        named=$(grep -o 'src="[a-z]*\.png"' "$src" | sort -u | wc -l)
        held=$(grep -ac '/Subtype /Image' "$work/$doc.$lang.1.pdf")
        [ "$held" -ge "$named" ] || { echo "FAIL: $doc ($lang) holds $held pictures, its text names $named"; status=1; }
    done
done
exit $status
