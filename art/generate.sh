#!/bin/sh
# Builds the picture generator (the whole project configured with
# MIREL_BUILD_ART_GENERATOR=ON, only the generator built) and redraws every
# picture into art/png/. A contact sheet of the whole set is written next to the
# build, for looking the pictures over: $BUILD/contact-sheet.png.
set -eu

ART="$(cd "$(dirname "$0")" && pwd)"
ROOT="$(dirname "$ART")"
BUILD="${MIREL_ART_BUILD:-/tmp/mirel-artgen-build}"

# The lettering's typeface.
"$ROOT/scripts/install-packages.sh" fonts-dancingscript

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DMIREL_BUILD_ART_GENERATOR=ON \
    -DMIREL_BUILD_TESTS=OFF -DMIREL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD" -j2 --target mirel-artgen

rm -f "$ART"/png/*.png
mkdir -p "$ART/png"
QT_QPA_PLATFORM=offscreen "$BUILD/art/mirel-artgen" "$ART/png" --sheet "$BUILD/contact-sheet.png"
echo "contact sheet: $BUILD/contact-sheet.png"
