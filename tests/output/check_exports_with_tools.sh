#!/usr/bin/env bash
# Opens gridsmith's exported pictures with other programs: ImageMagick must read the
# BMP and PNG at the expected size, and libwmf's wmf2gd must turn the metafile into the
# same picture as the bitmap. Exit status 77 tells CTest the tools are not installed.
# Usage: check_exports_with_tools.sh GRIDSMITH DATA_DIR WORK_DIR
set -euo pipefail
gridsmith=$1 data=$2 work=$3
for tool in identify compare wmf2gd; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
fonts=/usr/share/fonts/truetype/dejavu
[ -f "$fonts/DejaVuSans.ttf" ] || { echo "DejaVu fonts are not installed"; exit 77; }
rm -rf "$work" && mkdir -p "$work" && cd "$work"

# libwmf finds its fonts through a Ghostscript font map; name the installed faces.
for face in Times-Roman:DejaVuSerif Times-Bold:DejaVuSerif-Bold Times-Italic:DejaVuSerif-Italic \
            Times-BoldItalic:DejaVuSerif-BoldItalic Helvetica:DejaVuSans Helvetica-Bold:DejaVuSans-Bold \
            Helvetica-Oblique:DejaVuSans-Oblique Helvetica-BoldOblique:DejaVuSans-BoldOblique \
            Courier:DejaVuSansMono Courier-Bold:DejaVuSansMono-Bold \
            Courier-Oblique:DejaVuSansMono-Oblique Courier-BoldOblique:DejaVuSansMono-BoldOblique \
            Symbol:DejaVuSans ZapfDingbats:DejaVuSans; do
    echo "/${face%%:*} ($fonts/${face#*:}.ttf) ;"
done > Fontmap

check() {  # grid, expected size
    local grid=$1 size=$2 name
    name=$(basename "$grid" .tgr)
    "$gridsmith" --export bmp "$grid" -o "$name.bmp"
    "$gridsmith" --export png "$grid" -o "$name.png"
    # ImageMagick names a version-3 bitmap BMP3.
    [[ "$(identify -format '%m %wx%h' "$name.bmp")" =~ ^BMP3?\ ${size}x${size}$ ]] || {
        echo "$name.bmp: $(identify "$name.bmp")"; return 1; }
    [ "$(identify -format '%m %wx%h' "$name.png")" = "PNG ${size}x${size}" ] || {
        echo "$name.png: $(identify "$name.png")"; return 1; }
    # The same drawing in both files.
    local differ
    differ=$(compare -metric AE "$name.bmp" "$name.png" null: 2>&1 || true)
    [ "$differ" = 0 ] || { echo "$name: BMP and PNG differ in $differ pixels"; return 1; }

    # The metafile's lines, blocks and bars must land where the bitmap has them; letters
    # are left out because libwmf draws them in its own fonts.
    "$gridsmith" --export wmf "$grid" -o "$name.wmf" --no-answers --no-numbers
    "$gridsmith" --export png "$grid" -o "$name-blank.png" --no-answers --no-numbers
    wmf2gd --wmf-gs-fontmap="$work/Fontmap" -t png --maxsize --maxwidth="$size" \
        --maxheight="$size" -o "$name-wmf.png" "$name.wmf" 2>/dev/null
    [ "$(identify -format '%wx%h' "$name-wmf.png")" = "${size}x${size}" ] || {
        echo "$name.wmf: drawn at $(identify -format '%wx%h' "$name-wmf.png")"; return 1; }
    differ=$(compare -metric AE -fuzz 10% "$name-wmf.png" "$name-blank.png" null: 2>&1 || true)
    # Twips and screen pixels round apart by at most a pixel along some lines.
    if ! [[ "$differ" =~ ^[0-9]+$ ]] || [ "$differ" -gt $((size * size / 200)) ]; then
        echo "$name: metafile and bitmap differ in $differ pixels"; return 1
    fi
    # With letters the metafile still draws.
    "$gridsmith" --export wmf "$grid" -o "$name-letters.wmf"
    wmf2gd --wmf-gs-fontmap="$work/Fontmap" -t png -o "$name-letters.png" "$name-letters.wmf" 2>/dev/null
    identify "$name-letters.png" >/dev/null
    echo "$name: BMP, PNG and WMF agree"
}

check "$data/barred12-letters.tgr" 399
check "$data/blocked15-letters.tgr" 498
