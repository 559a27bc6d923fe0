#!/bin/sh
# Installs what is missing, builds, and runs the cabinet controller in simulation mode
# on a scratch data folder with a private D-Bus. Without a display the screens are served
# over VNC on local ports that it prints. Type "help" and Enter for the commands that
# drive the simulated cabinet (tap a bin, place a tagged pan, heat, fail a probe).
#
#   ./run.sh [--two-displays] [--clean] [program options...]
#
# By default a cabinet with one display (5 rows of 4 bins) runs. --two-displays runs a
# cabinet with a primary and a mirror display instead, as two processes with their own
# data folders on one virtual CAN bus. The scratch folder is .run/ (or TUL_RUN_DIR); one
# run at a time uses it. --clean starts from the sample's data again.
set -eu
TUL_SOURCE=$(cd "$(dirname "$0")" && pwd)
. "$TUL_SOURCE/tools/deps.sh"
BUILD_DIR=${TUL_BUILD_DIR:-$TUL_SOURCE/build}
RUN_DIR=${TUL_RUN_DIR:-$TUL_SOURCE/.run}

usage() {
    cat <<USAGE
usage: ./run.sh [--two-displays] [--clean] [program options...]
       ./run.sh --help

Installs what is missing, builds and runs the cabinet in simulation mode on the scratch
folder $RUN_DIR (TUL_RUN_DIR), one run at a time.
  --two-displays   a primary and a mirror display instead of one display
  --clean          forget what earlier runs changed: start from the sample's data
  --help           this text (and the program's options once it is built)
Without a display the screens are served over VNC on TUL_VNC_PORT (default 5900) and the
next port. The build folder is TUL_BUILD_DIR (default build/); TUL_NO_BUILD=1 runs it as
it is.
USAGE
}

# Help before anything is installed, built or started.
for arg in "$@"; do
    case $arg in
    --help | -help | -h)
        usage
        if [ -x "$BUILD_DIR/tul" ]; then
            echo
            echo "Program options:"
            "$BUILD_DIR/tul" --help
        fi
        exit 0
        ;;
    esac
done

TWO=no
CLEAN=no
while [ $# -gt 0 ]; do
    case $1 in
    --two-displays | --second-display) TWO=yes ;;
    --clean) CLEAN=yes ;;
    --*)
        echo "run.sh: unknown option $1" >&2
        usage >&2
        exit 2
        ;;
    *) break ;;
    esac
    shift
done

tul_check_build_dir "$BUILD_DIR" || exit 2

# One run per scratch folder: a second would take over the first's bus and data. The
# lock goes with the process, so a run that was killed leaves none behind; no child
# inherits it.
mkdir -p "$RUN_DIR"
exec 9>>"$RUN_DIR/lock"
if ! flock -n 9; then
    echo "run.sh: $RUN_DIR is in use by another ./run.sh (process $(cat "$RUN_DIR/lock" 2>/dev/null)):" \
        "stop that one first, or give this one a folder and ports of its own, for example" \
        "TUL_RUN_DIR=/tmp/tul-run2 TUL_VNC_PORT=5910 TUL_CAN_INTERFACE=tcp://127.0.0.1:35600/can0 ./run.sh" >&2
    exit 1
fi
echo $$ > "$RUN_DIR/lock"

PIDS=""
PRIMARY=""
FRONTS=""
DBUS_PID=""
STOPPING=""
# Every way out (the program's end, an error, Ctrl-C, SIGTERM) stops what the run started.
# Ctrl-C reaches the displays from the terminal: a second signal would cut their stop
# short, so they get one only when they have none yet.
cleanup() {
    trap - EXIT
    trap '' INT TERM
    if [ -z "$STOPPING" ]; then
        for pid in $PIDS; do kill "$pid" 2>/dev/null || true; done
    fi
    for pid in $PIDS; do await "$pid"; done
    for pid in $FRONTS; do kill "$pid" 2>/dev/null || true; done
    [ -n "$DBUS_PID" ] && kill "$DBUS_PID" 2>/dev/null || true
    rm -f "$RUN_DIR/system-bus.socket"
}
# await <pid>: waits for a child to end, through the signals that interrupt the wait.
await() {
    while kill -0 "$1" 2>/dev/null; do wait "$1" 2>/dev/null || true; done
}
on_signal() {
    # Before the primary display runs, nothing is under way: stop here, ending what started.
    if [ -z "$PRIMARY" ]; then
        [ "$1" = TERM ] && exit 143
        exit 130
    fi
    if [ "$1" = TERM ]; then
        for pid in $PIDS; do kill "$pid" 2>/dev/null || true; done
    fi
    STOPPING=$1
}
trap cleanup EXIT
trap 'on_signal INT' INT
trap 'on_signal TERM' TERM

tul_install_dependencies
tul_install_bus_policy
tul_build "$BUILD_DIR"

SAMPLES="$TUL_SOURCE/tests/data/personality"

if [ "$CLEAN" = yes ]; then
    rm -rf "$RUN_DIR/single" "$RUN_DIR/two" "$RUN_DIR/flash" "$RUN_DIR/system" "$RUN_DIR/tools.log"
fi
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
# The bus of a run that was killed outright, still serving this folder's socket.
old=$(cat "$RUN_DIR/dbus.pid" 2>/dev/null || true)
if [ -n "$old" ] && tr '\0' ' ' < "/proc/$old/cmdline" 2>/dev/null | grep -qF -- "--config-file=$RUN_DIR/system-bus.conf"; then
    kill "$old" 2>/dev/null || true
    # It removes its socket as it ends: wait for that, or it would take the new bus's.
    for _ in $(seq 1 50); do kill -0 "$old" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$old" 2>/dev/null || true
fi
rm -f "$RUN_DIR/system-bus.socket" "$RUN_DIR/dbus.pid"
dbus-daemon --config-file="$RUN_DIR/system-bus.conf" --fork --print-pid > "$RUN_DIR/dbus.pid" 9>&-
DBUS_PID=$(cat "$RUN_DIR/dbus.pid")
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$RUN_DIR/system-bus.socket"

# Without a display each screen is served by Qt's own VNC platform plugin: any VNC viewer
# on this machine looks at it and touches it with the mouse. A front of ours holds the
# public port and passes viewers on to the program on an internal one (see
# tools/vncfront/vncfront.cpp: it keeps a viewer that skips a step from crashing it).
VNC_PORT=${TUL_VNC_PORT:-5900}
HEADLESS=no
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    HEADLESS=yes
    export QT_QUICK_BACKEND=software
fi
# platform <port> <name>: sets PLATFORM to the screen of one display; fails when the port
# cannot be served.
platform() {
    PLATFORM=${QT_QPA_PLATFORM:-}
    [ "$HEADLESS" = yes ] || return 0
    out="$RUN_DIR/vnc-front-$1"
    rm -f "$out"
    "$BUILD_DIR/tul_vncfront" "$1" > "$out" 9>&- &
    front=$!
    FRONTS="$FRONTS $front"
    # It prints the internal port once it listens on the public one.
    for _ in $(seq 1 50); do
        [ -s "$out" ] && break
        if ! kill -0 "$front" 2>/dev/null; then
            echo "run.sh: the $2 display's VNC port $1 cannot be served: choose another with TUL_VNC_PORT" >&2
            exit 1
        fi
        sleep 0.1
    done
    [ -s "$out" ] || { echo "run.sh: the VNC front on port $1 did not start" >&2; exit 1; }
    echo "$2 display: VNC on localhost:$1 (for example: vncviewer localhost:$1)" >&2
    PLATFORM="vnc:size=800x480:port=$(cat "$out")"
}

exec 3<&0
if [ "$TWO" = yes ]; then
    seed "$RUN_DIR/two/primary" 2x4_primary_mirror.hcc
    seed "$RUN_DIR/two/mirror" 2x4_mirror.hcc
    platform "$VNC_PORT" Primary
    PRIMARY_PLATFORM=$PLATFORM
    platform $((VNC_PORT + 1)) Mirror
    # The mirror without the console: standard input belongs to the primary.
    (sleep 1; QT_QPA_PLATFORM=$PLATFORM TUL_ROOT_DIR="$RUN_DIR/two/mirror/" \
        exec "$BUILD_DIR/tul" -simulation "$@" </dev/null 3<&- 9>&-) &
    PIDS="$!"
    PRIMARY_ROOT="$RUN_DIR/two/primary/"
else
    seed "$RUN_DIR/single" 5x4_primary_nfc.hcc sample_dayParts_5x4.json
    platform "$VNC_PORT" Primary
    PRIMARY_PLATFORM=$PLATFORM
    PRIMARY_ROOT="$RUN_DIR/single/"
fi
# In the background so that a signal reaches this script at once, with the console's input.
QT_QPA_PLATFORM=$PRIMARY_PLATFORM TUL_ROOT_DIR="$PRIMARY_ROOT" "$BUILD_DIR/tul" -simulation "$@" <&3 3<&- 9>&- &
PRIMARY=$!
PIDS="$PIDS $PRIMARY"
# A wait that a signal interrupts answers with the signal: the program's own end counts.
while :; do
    if wait "$PRIMARY"; then status=0; else status=$?; fi
    kill -0 "$PRIMARY" 2>/dev/null || break
done
exit "$status"
