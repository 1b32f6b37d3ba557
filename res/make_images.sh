#!/bin/sh
# Draws the program's logo and icons with ImageMagick. The PNGs are committed; run this again
# only to change the pictures. The logo's background is exactly RGB(236, 233, 216): the dialog
# draws the logo with that colour transparent, so no shape may be smoothed into it.
set -eu
cd "$(dirname "$0")"
FACE='rgb(236,233,216)'
NAVY='rgb(20,48,104)'
ORANGE='rgb(232,112,24)'

# Logo, 144 x 98: two arrows chasing each other round a square (old number in, new number out)
# above the word mark.
convert -size 144x98 "xc:$FACE" +antialias \
    -fill "$NAVY" -draw 'roundrectangle 50,4 94,48 8,8' \
    -fill "$FACE" -draw 'rectangle 58,12 86,40' \
    -fill "$ORANGE" -draw 'polygon 44,18 56,18 50,28' \
    -fill "$ORANGE" -draw 'polygon 88,34 100,34 94,24' \
    -fill "$NAVY" -draw 'rectangle 64,18 80,34' \
    -fill "$FACE" -draw 'rectangle 68,22 76,30' \
    -fill "$NAVY" -font Helvetica-Bold -pointsize 24 -annotate +23+76 'ORVANE' \
    -fill "$ORANGE" -draw 'rectangle 23,82 121,84' \
    -fill "$NAVY" -font Helvetica -pointsize 10 -annotate +48+96 'by Kestova' \
    -strip -define png:color-type=2 PNG24:logo.png

# Icon: the same square of arrows, without a background.
icon() {
    convert -size 48x48 xc:none \
        -fill "$NAVY" -draw 'roundrectangle 2,2 45,45 8,8' \
        -fill white -draw 'rectangle 10,10 37,37' \
        -fill "$NAVY" -draw 'rectangle 16,16 31,31' \
        -fill "$ORANGE" -draw 'polygon 0,14 12,14 6,24' \
        -fill "$ORANGE" -draw 'polygon 35,33 47,33 41,23' \
        -fill white -draw 'rectangle 20,20 27,27' \
        -resize "$1x$1" -strip "PNG32:icon-$1.png"
}
icon 16
icon 32
icon 48
