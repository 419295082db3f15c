#!/bin/sh
# Renders the generated artwork as enlarged PNGs for review: the display panel
# composed as the program paints it (101.5 scanning with sleep and scheduler
# marks; 88.0 off in memory mode), the digit set, the small marks and icons.
# Usage: scripts/preview-art.sh [ART_DIR]   (default build/i686/art; needs imagemagick)
set -e
D=${1:-build/i686/art}
[ -f "$D/background.bmp" ] || { echo "no generated artwork in $D (run make i686 first)" >&2; exit 1; }
cell() { if [ "$1" = b ]; then echo "$D/digit_blank.bmp"; else echo "$D/digit_$1.bmp"; fi; }
panel() {   # OUT d0 d1 d2 d3 [name:x:y ...] - positions in window client pixels
    out=$1; shift
    set -- "$@"
    args="-size 160x50 xc:#d4d0c8 $D/background.bmp -geometry +13+7 -composite"
    args="$args $(cell $1) -geometry +19+12 -composite $(cell $2) -geometry +36+12 -composite"
    args="$args $(cell $3) -geometry +50+12 -composite $(cell $4) -geometry +70+12 -composite"
    shift 4
    for e in "$@"; do
        n=${e%%:*}; r=${e#*:}
        args="$args $D/$n.bmp -geometry +${r%%:*}+${r#*:} -composite"
    done
    convert $args -scale 600% "$out"
}
panel "$D/preview_panel_101_5.png" 1 0 1 5 lamp_on:125:12 preset_3:124:25 pscan:92:25 sleep_z:17:10 clock:16:27
panel "$D/preview_panel_88_0.png" b 8 8 0 lamp_off:125:12 preset_10:124:25 heart:95:25
convert $D/digit_[0-9].bmp $D/digit_blank.bmp -bordercolor '#808080' -border 1 +append -scale 600% "$D/preview_digits.png"
convert $D/preset_[1-9].bmp $D/preset_10.bmp $D/sleep_z.bmp $D/clock.bmp $D/heart.bmp $D/lamp_on.bmp \
    $D/lamp_off.bmp $D/pscan.bmp -bordercolor '#808080' -border 1 -gravity north +append -scale 800% "$D/preview_marks.png"
for i in icon_radio_on icon_radio_off icon_sleep; do
    convert "$D/$i.ico[0]" -background '#d4d0c8' -flatten -scale 800% "$D/preview_${i}_32.png"
    convert "$D/$i.ico[1]" -background '#d4d0c8' -flatten -scale 1600% "$D/preview_${i}_16.png"
done
echo "previews written to $D/preview_*.png"
