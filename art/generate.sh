#!/bin/sh
# Builds the picture generator and redraws every picture into art/png/.
# A contact sheet of the whole set is written next to the build, for looking
# the pictures over: $BUILD/contact-sheet.png.
set -eu

ART="$(cd "$(dirname "$0")" && pwd)"
BUILD="${MIREL_ART_BUILD:-/tmp/mirel-art-build}"

cmake -S "$ART" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2

rm -f "$ART"/png/*.png
mkdir -p "$ART/png"
QT_QPA_PLATFORM=offscreen "$BUILD/mirel-artgen" "$ART/png" --sheet "$BUILD/contact-sheet.png"
echo "contact sheet: $BUILD/contact-sheet.png"
