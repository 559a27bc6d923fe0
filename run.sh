#!/bin/sh
# Installs what is missing, builds, and runs the cabinet controller in simulation mode
# on a scratch data folder with a private D-Bus. Without a display the screens are served
# over VNC on local ports that it prints. Type "help" and Enter for the commands that
# drive the simulated cabinet (tap a bin, place a tagged pan, heat, fail a probe).
#
#   ./run.sh [--two-displays] [program options...]
#
# By default a cabinet with one display (5 rows of 4 bins) runs. --two-displays runs a
# cabinet with a primary and a mirror display instead, as two processes with their own
# data folders on one virtual CAN bus. The scratch folder is .run/ (or TUL_RUN_DIR).
set -eu
TUL_SOURCE=$(cd "$(dirname "$0")" && pwd)
. "$TUL_SOURCE/tools/deps.sh"

TWO=no
if [ "${1:-}" = "--two-displays" ] || [ "${1:-}" = "--second-display" ]; then
    TWO=yes
    shift
fi

tul_install_dependencies
tul_install_bus_policy
BUILD_DIR=${TUL_BUILD_DIR:-$TUL_SOURCE/build}
tul_build "$BUILD_DIR"

RUN_DIR=${TUL_RUN_DIR:-$TUL_SOURCE/.run}
SAMPLES="$TUL_SOURCE/tests/data/personality"

# seed <data root> <sample personality> [day parts]: a personality only when the folder
# has none. The sample's day parts put products of the default menu in every bin.
seed() {
    mkdir -p "$1"
    if ! ls "$1"/*.hcc >/dev/null 2>&1; then
        cp "$SAMPLES/$2" "$1/$2"
    fi
    if [ ! -e "$1/dayParts.json" ]; then
        cp "$TUL_SOURCE/tests/data/holding/${3:-sample_dayParts.json}" "$1/dayParts.json"
    fi
    # A sample unit with its numbers on file: a new unit would first ask for them.
    if [ ! -e "$1/serialModelNums.txt" ]; then
        printf 'serialNumber=SIM-0001\nmodelNumber=SIM-5X4\nuuidNumber=\ncustomerIdStr=\n' > "$1/serialModelNums.txt"
    fi
}
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

# Without a display each screen is served by Qt's own VNC platform plugin: any VNC viewer
# on this machine looks at it and touches it with the mouse.
VNC_PORT=${TUL_VNC_PORT:-5900}
HEADLESS=no
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    HEADLESS=yes
    export QT_QUICK_BACKEND=software
fi
# platform <port> <name>: the screen of one display.
platform() {
    if [ "$HEADLESS" = yes ]; then
        echo "$2 display: VNC on localhost:$1 (for example: vncviewer localhost:$1)" >&2
        echo "vnc:size=800x480:port=$1"
    else
        echo "${QT_QPA_PLATFORM:-}"
    fi
}

if [ "$TWO" = yes ]; then
    seed "$RUN_DIR/two/primary" 2x4_primary_mirror.hcc
    seed "$RUN_DIR/two/mirror" 2x4_mirror.hcc
    # The mirror without the console: standard input belongs to the primary.
    MIRROR_PLATFORM=$(platform $((VNC_PORT + 1)) Mirror)
    (sleep 1; QT_QPA_PLATFORM=$MIRROR_PLATFORM TUL_ROOT_DIR="$RUN_DIR/two/mirror/" \
        exec "$BUILD_DIR/tul" -simulation "$@" </dev/null) &
    SECOND_PID=$!
    PRIMARY_ROOT="$RUN_DIR/two/primary/"
else
    seed "$RUN_DIR/single" 5x4_primary_nfc.hcc sample_dayParts_5x4.json
    PRIMARY_ROOT="$RUN_DIR/single/"
fi
PRIMARY_PLATFORM=$(platform "$VNC_PORT" Primary)
QT_QPA_PLATFORM=$PRIMARY_PLATFORM TUL_ROOT_DIR="$PRIMARY_ROOT" "$BUILD_DIR/tul" -simulation "$@"
