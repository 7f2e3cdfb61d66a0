#!/bin/sh
# Regenerates the compiled-in pictures of Vanto (resources/vanto.qrc).
#
# This is an author-time tool: the PNG files it writes are committed, and the
# build never runs it. It needs these Debian packages:
#   oxygen-icon-theme iso-flags-svg librsvg2-bin imagemagick
# Run it from anywhere:  sh resources/make_pictures.sh
# Set IM to the ImageMagick "convert" to use (default: convert).
# See SOURCES.md for where each picture comes from and under which licence.
set -eu

IM=${IM:-convert}
HERE=$(cd "$(dirname "$0")" && pwd)
OX=/usr/share/icons/oxygen/base
FLAGS=/usr/share/iso-flags-svg/country-4x3
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

cd "$HERE"
mkdir -p icons flags square_icons images/windrose

# --- Icons copied from the Oxygen theme (LGPL-3+) ---------------------------
cp "$OX/16x16/status/dialog-information.png" "icons/Information_16x16.png"
cp "$OX/32x32/actions/edit-paste.png"        "icons/Paste_32x32.png"
cp "$OX/32x32/actions/document-print.png"    "icons/Print_32x32.png"
cp "$OX/32x32/actions/help-contents.png"     "icons/UserManual.png"
cp "$OX/32x32/actions/zoom-in.png"           "icons/Zoom In_32x32.png"
cp "$OX/32x32/actions/zoom-out.png"          "icons/Zoom Out_32x32.png"
cp "$OX/32x32/actions/office-chart-line.png" "icons/chart_line.png"
cp "$OX/32x32/actions/document-save.png"     "icons/floppy_disk.png"
cp "$OX/32x32/mimetypes/application-pdf.png" "icons/pdf.png"
cp "$OX/32x32/actions/document-edit.png"     "icons/pencil.png"

# --- Icons composed from Oxygen pictures (LGPL-3+) --------------------------
# halo IN OUT: puts a one-pixel white outline around a small emblem so that it
# stands out over the picture it is laid on.
halo() {
    "$IM" "$1" \( +clone -alpha extract -morphology Dilate Disk:1 \
        -background white -alpha shape \) +swap -background none \
        -compose over -flatten "$2"
}
# database with a (darkened) gear
"$IM" "$OX/16x16/categories/applications-system.png" -modulate 60 "$TMP/gear.png"
halo "$TMP/gear.png" "$TMP/gear_halo.png"
"$IM" "$OX/32x32/places/server-database.png" "$TMP/gear_halo.png" \
    -geometry +16+16 -composite "icons/data_gear.png"
# open folder with a green up arrow
halo "$OX/16x16/actions/arrow-up.png" "$TMP/arrow_halo.png"
"$IM" "$OX/32x32/places/folder-open.png" "$TMP/arrow_halo.png" \
    -geometry +16+0 -composite "icons/folder_up.png"
# two gears
"$IM" -size 32x32 xc:none \
    "$OX/22x22/categories/applications-system.png" -geometry +0+0 -composite \
    "$OX/16x16/categories/applications-system.png" -geometry +16+16 -composite \
    -depth 8 "icons/gears.png"

# --- Icons drawn for Vanto (icons/svg/, public domain) ----------------------
for name in bullets gun media_play_green windsock; do
    rsvg-convert -w 32 -h 32 "icons/svg/$name.svg" -o "icons/$name.png"
done

# --- Flags (iso-flags-svg, public domain), 24x18 with a faint frame ---------
for pair in "fr:France" "us:United States of America" "de:Germany" \
            "it:Italy" "es:Spain" "ru:Russian Federation"; do
    code=${pair%%:*}
    name=${pair#*:}
    rsvg-convert -w 24 -h 18 "$FLAGS/$code.svg" -o "$TMP/flag.png"
    "$IM" "$TMP/flag.png" -fill none -stroke '#00000040' -strokewidth 1 \
        -draw "rectangle 0,0 23,17" "flags/$name.png"
done

# --- Wind rose, wind sock, about picture and application icon (drawn) -------
rsvg-convert -w 240 -h 240 images/windrose/rose.svg -o images/windrose/rose.png
rsvg-convert -w 240 -h 240 images/windrose/sock.svg -o images/windrose/sock.png
rsvg-convert -w 200 -h 200 images/targetBig.svg -o images/targetBig.png
rsvg-convert -w 256 -h 256 images/vanto.svg -o images/vanto.png

# --- Load colour squares: Qt's named colours, border 60 % as bright ---------
while read -r name fill border; do
    "$IM" -size 16x16 "xc:$border" -fill "$fill" -draw "rectangle 1,1 14,14" \
        "PNG24:square_icons/$name.png"
done <<EOF
blue        #0000ff #000099
red         #ff0000 #990000
black       #000000 #000000
darkCyan    #008080 #004d4d
magenta     #ff00ff #990099
darkBlue    #000080 #00004d
darkYellow  #808000 #4d4d00
darkGreen   #008000 #004d00
darkMagenta #800080 #4d004d
darkRed     #800000 #4d0000
EOF

echo "pictures written under $HERE"
