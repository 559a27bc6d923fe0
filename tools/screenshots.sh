#!/bin/sh
# Pictures every page of the shell in English, Arabic and Chinese, rendered offscreen by
# the screens test against a simulated cabinet, with the device programs' stand-ins.
#   tools/screenshots.sh [output folder] [build folder]
# Exits non-zero, with the reason, when a page cannot be pictured or a picture is missing.
# TUL_SCREENSHOTS_NO_BUILD=1 takes the build folder as it is.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
usage() {
    echo "usage: tools/screenshots.sh [output folder] [build folder]"
    echo "Pictures every page in English, Arabic and Chinese into the output folder (default"
    echo "screenshots/), built in the build folder (default build/; another one that does not"
    echo "exist yet only with TUL_NEW_BUILD=1)."
}
case "${1:-}" in
--help | -help | -h) usage; exit 0 ;;
esac
# Folders only: an option taken for a folder would fill or build a folder named after it.
for arg in "$@"; do
    case $arg in -*) usage >&2; exit 2 ;; esac
done
[ $# -le 2 ] || { usage >&2; exit 2; }
out=$(realpath -m -- "${1:-$here/screenshots}")
build=$(realpath -m -- "${2:-$here/build}")
TUL_SOURCE=$here
. "$here/tools/deps.sh"
tul_check_build_dir "$build" || exit 2
if [ -z "${TUL_SCREENSHOTS_NO_BUILD:-}" ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUL_BUILD_BENCHMARKS=OFF
    fi
    cmake --build "$build" --target tst_screens tst_screens_customer3 tst_holdingscreens tst_twodisplays
fi
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM

# picture <test> <folder>: every page of one cabinet, in three languages.
picture() {
    mkdir -p "$scratch/$1/root" "$scratch/$1/flash" "$scratch/$1/system"
    if ! (cd "$build/tests/core" &&
        QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$build/no-system-bus" \
        TUL_TOOLS_DIR="$here/tools/standins" TUL_TOOLS_LOG="$scratch/$1/tools.log" \
        TUL_ROOT_DIR="$scratch/$1/root/" TUL_FLASH_DIR="$scratch/$1/flash/" \
        TUL_SYSTEM_DIR="$scratch/$1/system/" TUL_SCREENSHOT_DIR="$2" \
        "./$1" screenshots >"$scratch/$1.log" 2>&1); then
        grep -e "^FAIL" -e "^   Loc" -e "Totals" "$scratch/$1.log" >&2 || tail -n 20 "$scratch/$1.log" >&2
        echo "screenshots: $1 failed: pictures in $2 are incomplete" >&2
        exit 1
    fi
    grep -q "^SKIP" "$scratch/$1.log" && { grep "^SKIP" -A1 "$scratch/$1.log" >&2; echo "screenshots: $1 skipped them" >&2; exit 1; }
    # Every language pictures the same pages.
    counts=""
    for language in eng_USA ara zh_cn; do
        counts="$counts $(find "$2/$language" -name '*.png' 2>/dev/null | wc -l)"
    done
    set -- $counts "$1" "$2"
    if [ "$1" -eq 0 ] || [ "$1" -ne "$2" ] || [ "$1" -ne "$3" ]; then
        echo "screenshots: $4 left pictures missing in $5 (English, Arabic, Chinese:$counts)" >&2
        exit 1
    fi
}
picture tst_screens "$out"
# The pages only customer 3's cabinets have, in a folder of their own.
picture tst_screens_customer3 "$out/customer3"
# The main screen's bins in every state on the 5x4 and 2x4 maps, the fault banner and the
# over-temperature dialog over holding bins with the dock beside it (overtemp-*).
set -- "faultBannerShowsEveryFault" "overTemperatureDialog"
for map in 5x2x2 2x2x2; do
    for language in eng_USA ara zh_cn; do set -- "$@" "binTextsFitTheTile:$map, $language"; done
done
mkdir -p "$out/holding"
if ! (cd "$build/tests/core" && QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    TUL_SCREENSHOT_DIR="$out/holding" ./tst_holdingscreens "$@" >"$scratch/holding.log" 2>&1); then
    grep -e "^FAIL" -e "^   Loc" "$scratch/holding.log" >&2 || tail -n 20 "$scratch/holding.log" >&2
    echo "screenshots: tst_holdingscreens failed: pictures in $out/holding are incomplete" >&2
    exit 1
fi
if [ -z "$(find "$out/holding" -name '*.png' | head -n 1)" ]; then
    echo "screenshots: tst_holdingscreens made no picture in $out/holding" >&2
    exit 1
fi
# The mirror of a 2x4 showing what its master knows (a zone's fault, a wrong pan): the two
# displays run as two programs on a CAN bus of their own, the mirror pictures itself.
mkdir -p "$out/otherdisplay"
if ! (cd "$build/tests/core" && QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$build/no-system-bus" TUL_SCREENSHOT_DIR="$out/otherdisplay" \
    ./tst_twodisplays "otherDisplayShowsWhatTheMasterKnows:mirror: the fault banner" \
    "otherDisplayShowsWhatTheMasterKnows:mirror: a pan of another product is a wrong pan" \
    >"$scratch/twodisplays.log" 2>&1); then
    grep -e "^FAIL" -e "^   Loc" "$scratch/twodisplays.log" >&2 || tail -n 20 "$scratch/twodisplays.log" >&2
    echo "screenshots: tst_twodisplays failed: pictures in $out/otherdisplay are incomplete" >&2
    exit 1
fi
if [ "$(find "$out/otherdisplay" -name '*.png' | wc -l)" -ne 2 ]; then
    echo "screenshots: tst_twodisplays left pictures of the mirror missing in $out/otherdisplay" >&2
    exit 1
fi
echo "Screenshots in $out:"
ls "$out"/* "$out"/customer3/* "$out"/holding/* "$out"/otherdisplay/*
