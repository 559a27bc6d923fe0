#!/bin/sh
# Pictures every page of the shell in English, Arabic and Chinese, rendered offscreen by
# the screens test against a simulated cabinet.
#   tools/screenshots.sh [output folder] [build folder]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$here/screenshots}")
build=$(realpath -m "${2:-$here/build}")
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUL_BUILD_BENCHMARKS=OFF
fi
cmake --build "$build" --target tst_screens tst_screens_customer3 tst_holdingscreens
mkdir -p "$out"
cd "$build/tests/core"
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$build/no-system-bus" \
TUL_SCREENSHOT_DIR="$out" ./tst_screens -silent screenshots >/dev/null
# The pages only customer 3's cabinets have, in a folder of their own.
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$build/no-system-bus" \
TUL_SCREENSHOT_DIR="$out/customer3" ./tst_screens_customer3 -silent screenshots >/dev/null
# The main screen's bins in every state on the 5x4 and 2x4 maps, the fault banner and the
# over-temperature dialog over holding bins.
set -- "faultBannerShowsEveryFault" "overTemperatureDialog"
for map in 5x2x2 2x2x2; do
    for language in eng_USA ara zh_cn; do set -- "$@" "binTextsFitTheTile:$map, $language"; done
done
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
TUL_SCREENSHOT_DIR="$out/holding" ./tst_holdingscreens -silent "$@" >/dev/null
echo "Screenshots in $out:"
ls "$out"/* "$out"/customer3/* "$out"/holding/*
