#!/usr/bin/env bash
# Makes the window's pictures with ImageMagick: the banner (600 x 119, progressive JFIF
# JPEG, three components) and the application icon (32 x 32, 16 colours).
set -euo pipefail
cd "$(dirname "$0")"

bold=$(fc-match -f '%{file}' 'DejaVu Sans:bold')

# Raised letters: a dark edge below right, a light edge above left, the face between.
convert -size 600x119 gradient:'#6e3b16-#ffffff' \
    -font "$bold" -pointsize 82 -gravity center \
    -fill '#2e1606' -annotate +3+3 'Brevasto' \
    -fill '#fff3dc' -annotate -2-2 'Brevasto' \
    -fill '#a8612a' -annotate +0+0 'Brevasto' \
    -strip -colorspace sRGB -type TrueColor -sampling-factor 1x1 \
    -interlace Plane -quality 92 banner.jpg

convert -size 32x32 xc:none \
    -fill '#6e3b16' -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill '#ffffff' -font "$bold" -pointsize 24 -gravity center -annotate +0+1 'B' \
    -colors 16 PNG8:MAINICON.png

# The Help button's question mark, 18 x 18.
convert -size 18x18 xc:none \
    -fill '#00007f' -font "$bold" -pointsize 17 -gravity center -annotate +0+0 '?' \
    help.png
