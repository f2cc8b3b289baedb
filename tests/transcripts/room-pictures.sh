#!/usr/bin/env bash
# Runs the main job's script on the sample drawing in a fresh folder and checks the two pictures
# it writes: before.png and after.png are PNG files, and they differ (the stretched room and its
# area label changed between them).
# Usage: room-pictures.sh VTHOST SAMPLES_DIR SCRIPT
set -u
vthost=$1 samples=$2 script=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$samples"/room.dwg "$work"/ || exit 1
cd "$work" || exit 1
"$vthost" --load VantorellUi.arx room.dwg -s "$script" </dev/null >transcript.txt 2>&1 || { cat transcript.txt; exit 1; }
png_magic=$(printf '\x89PNG')
for picture in before.png after.png; do
    if [ "$(head -c 4 "$picture" 2>/dev/null)" != "$png_magic" ]; then
        echo "$picture was not written as a PNG file"
        exit 1
    fi
done
if cmp -s before.png after.png; then
    echo "before.png and after.png show the same picture"
    exit 1
fi
