#!/bin/sh
# Installs what is missing, builds, and runs the cabinet controller in simulation mode
# on a scratch data folder with a private D-Bus. Offscreen when there is no display.
# Type "help" and Enter for the commands that drive the simulated cabinet (tap a bin,
# place a tagged pan, heat, fail a probe, silence a board).
#
#   ./run.sh [--second-display] [program options...]
#
# The scratch folder (.run/, or TUL_RUN_DIR) is seeded with a sample cabinet that has a
# primary and a mirror display. --second-display also starts the mirror display as a
# second process with its own data folder on the same virtual CAN bus.
set -eu
TUL_SOURCE=$(cd "$(dirname "$0")" && pwd)
. "$TUL_SOURCE/tools/deps.sh"

SECOND=no
if [ "${1:-}" = "--second-display" ]; then
    SECOND=yes
    shift
fi

tul_install_dependencies
tul_install_bus_policy
BUILD_DIR=${TUL_BUILD_DIR:-$TUL_SOURCE/build}
tul_build "$BUILD_DIR"

RUN_DIR=${TUL_RUN_DIR:-$TUL_SOURCE/.run}
SAMPLES="$TUL_SOURCE/tests/data/personality"

# seed <data root> <sample personality>: a personality only when the folder has none.
# The sample's day parts put products of the default menu in every bin.
seed() {
    mkdir -p "$1"
    if ! ls "$1"/*.hcc >/dev/null 2>&1; then
        cp "$SAMPLES/$2" "$1/$2"
    fi
    if [ ! -e "$1/dayParts.json" ]; then
        cp "$TUL_SOURCE/tests/data/holding/sample_dayParts.json" "$1/dayParts.json"
    fi
}
seed "$RUN_DIR/root" 2x4_primary_mirror.hcc
mkdir -p "$RUN_DIR/flash" "$RUN_DIR/system"
export TUL_FLASH_DIR="$RUN_DIR/flash/" TUL_SYSTEM_DIR="$RUN_DIR/system/"
export TUL_TOOLS_DIR="$TUL_SOURCE/tools/standins" TUL_TOOLS_LOG="$RUN_DIR/tools.log"
# Both displays meet on one virtual CAN bus; the first process serves it.
export TUL_CAN_INTERFACE="${TUL_CAN_INTERFACE:-tcp://127.0.0.1:35468/can0}"

# A private system bus, so the program can register its service without the machine's.
cat > "$RUN_DIR/system-bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$RUN_DIR/system-bus.socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/><allow own="*"/><allow send_destination="*"/><allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
rm -f "$RUN_DIR/system-bus.socket"
dbus-daemon --config-file="$RUN_DIR/system-bus.conf" --fork --print-pid > "$RUN_DIR/dbus.pid"
SECOND_PID=""
cleanup() {
    [ -n "$SECOND_PID" ] && kill "$SECOND_PID" 2>/dev/null || true
    kill "$(cat "$RUN_DIR/dbus.pid")" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$RUN_DIR/system-bus.socket"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
fi

if [ "$SECOND" = yes ]; then
    seed "$RUN_DIR/second/root" 2x4_mirror.hcc
    (sleep 1; TUL_ROOT_DIR="$RUN_DIR/second/root/" exec "$BUILD_DIR/tul" -simulation "$@") &
    SECOND_PID=$!
fi
TUL_ROOT_DIR="$RUN_DIR/root/" "$BUILD_DIR/tul" -simulation "$@"
