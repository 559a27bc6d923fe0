#!/bin/bash
# Soak run of a cabinet with two displays: the primary and its mirror on one virtual CAN bus
# and a private D-Bus, driven by bin taps, pans placed and taken away and cloud commands,
# while the resident memory of both processes is written down once a minute.
#
#   tools/soak.sh [minutes] [flood]
#
# minutes: how long to drive the cabinet (default 20). flood: how many malformed cloud
# commands to send at the end, with the memory written down before and after (default 0).
# Results go to $TUL_SOAK_DIR (default /tmp/tul-soak-<pid>): rss.txt ("minute primary_kib
# mirror_kib primary_anon_kib mirror_anon_kib primary_heap_kib primary_js_kib haccp_records":
# resident memory, then its anonymous part, which file pages evicted under memory pressure
# do not blur; then what the primary's main heap and its script engine's heap hold resident,
# and the records in its HACCP log, which it keeps in memory as well), the two logs, and the
# console's answers. Build first (./test.sh or cmake);
# the binary is $TUL_BUILD_DIR/tul (default build/tul). When another program holds the
# bus's port, give the run a port of its own: TUL_CAN_INTERFACE=tcp://127.0.0.1:<port>/can0.
# Exits non-zero, with the reason, when a display does not synchronise or ends.
set -eu
usage() {
    echo "usage: tools/soak.sh [minutes] [flood]"
    echo "A soak run of two displays for <minutes> (default 20), then <flood> malformed cloud"
    echo "commands (default 0); both whole numbers. Results in TUL_SOAK_DIR (default /tmp/tul-soak-<pid>)."
}
case "${1:-}" in
--help | -help | -h) usage; exit 0 ;;
esac
# Checked before anything starts: a bad number would otherwise end the run half-way.
if [ $# -gt 2 ] || ! [[ "${1:-20}" =~ ^[0-9]+$ ]] || ! [[ "${2:-0}" =~ ^[0-9]+$ ]]; then
    usage >&2
    exit 2
fi
MINUTES=$((10#${1:-20}))
FLOOD=$((10#${2:-0}))
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TUL_BUILD_DIR:-$SOURCE/build}
[ -d "$BUILD" ] || { echo "soak: No build folder $BUILD (TUL_BUILD_DIR)" >&2; exit 2; }
OUT=${TUL_SOAK_DIR:-/tmp/tul-soak-$$}
# A wrapper such as "heaptrack" or "valgrind --tool=massif" for the primary display.
WRAP=${TUL_SOAK_WRAP:-}

# The cabinet takes a cloud message only from a sender still on the bus when it asks who
# sent it, so the test suite's bus client sends it and stays connected for a moment.
SENDER="$BUILD/tests/iot/tul_bussender"
[ -x "$SENDER" ] || { echo "soak: no $SENDER: build the tests first" >&2; exit 1; }
rm -rf "$OUT"
mkdir -p "$OUT/primary" "$OUT/mirror" "$OUT/flash" "$OUT/system"
seed() {
    cp "$SOURCE/tests/data/personality/$2" "$1/"
    cp "$SOURCE/tests/data/holding/sample_dayParts.json" "$1/dayParts.json"
    printf 'serialNumber=SOAK-0001\nmodelNumber=SIM-2X4\nuuidNumber=\ncustomerIdStr=\n' > "$1/serialModelNums.txt"
}
seed "$OUT/primary" 2x4_primary_mirror.hcc
seed "$OUT/mirror" 2x4_mirror.hcc

export TUL_FLASH_DIR="$OUT/flash/" TUL_SYSTEM_DIR="$OUT/system/"
export TUL_TOOLS_DIR="$SOURCE/tools/standins" TUL_TOOLS_LOG="$OUT/tools.log"
export TUL_CAN_INTERFACE="${TUL_CAN_INTERFACE:-tcp://127.0.0.1:35468/can0}"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software

cat > "$OUT/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$OUT/bus.socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/><allow own="*"/><allow send_destination="*"/><allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$OUT/bus.conf" --fork --print-pid > "$OUT/dbus.pid"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$OUT/bus.socket"

mkfifo "$OUT/console"
PRIMARY=""
MIRROR=""
cleanup() {
    exec 3>&- 2>/dev/null || true
    [ -n "$MIRROR" ] && kill "$MIRROR" 2>/dev/null || true
    # Under a wrapper the program is its child: ended first, the wrapper then writes out.
    [ -n "$PRIMARY" ] && [ -n "$WRAP" ] && kill "$(program_pid "$PRIMARY")" 2>/dev/null || true
    [ -n "$PRIMARY" ] && kill "$PRIMARY" 2>/dev/null || true
    kill "$(cat "$OUT/dbus.pid")" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

TUL_ROOT_DIR="$OUT/primary/" $WRAP "$BUILD/tul" -simulation < "$OUT/console" > "$OUT/answers.txt" 2> "$OUT/primary.log" &
PRIMARY=$!
exec 3> "$OUT/console"
sleep 2
TUL_ROOT_DIR="$OUT/mirror/" "$BUILD/tul" -simulation < /dev/null > /dev/null 2> "$OUT/mirror.log" &
MIRROR=$!

# The process whose memory counts: under a wrapper, the program it started.
program_pid() {
    local p=$1 child
    child=$(pgrep -P "$p" -x tul 2>/dev/null | head -n1 || true)
    [ -z "$child" ] && child=$(pgrep -P "$p" 2>/dev/null | head -n1 || true)
    if [ -n "$WRAP" ] && [ -n "$child" ]; then echo "$child"; else echo "$p"; fi
}
rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
anon() { awk '/^RssAnon/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
# mapped <pid> <pattern>: resident KiB of the mappings whose name matches the pattern.
mapped() {
    awk -v pat="$2" '/^[0-9a-f]+-[0-9a-f]+ / {on = ($0 ~ pat)} on && /^Rss:/ {sum += $2} END {print sum + 0}' \
        "/proc/$1/smaps" 2>/dev/null || echo 0
}
records() { grep -o '"b":' "$OUT/primary/haccpLogs/haccpLog.json" 2>/dev/null | wc -l; }

cloud() {
    (sleep 0.3 | "$SENDER" "$DBUS_SYSTEM_BUS_ADDRESS" lumoCmd 1 "$1" >/dev/null 2>>"$OUT/bussender.log" || true) &
}

# One cloud message out of a rotation of commands, events and malformed texts.
CLOUD=(
    '{"event":"command","command":"togglePanDetailMessages","commandValue":"on"}'
    '{"event":"command","command":"togglePanDetailMessages","commandValue":"off"}'
    '{"event":"command","command":"updatePerformanceDataInterval","commandValue":"300"}'
    '{"event":"command","command":"updatePerformanceDataInterval","commandValue":"120"}'
    '{"event":"locationUpdate","value":"4711"}'
    '{"event":"locationUpdate","value":"4712"}'
    '{"event":"ping"}'
    '{"event":"command","command":"noSuchCommand","commandValue":1}'
    '{"event":"lumoConnectionStatus","settings":"connected"}'
    '{"event":"command","command":"resetCycle","commandValue":"00ff-1"}'
    '{"event":'
    '[1,2,3]'
)

# fail <reason>: the run is worth nothing; say why and stop.
fail() {
    echo "soak: $1 (logs in $OUT)" | tee -a "$OUT/rss.txt" >&2
    exit 1
}
# link_lost: the line of a display that did not find the other or lost it.
link_lost() {
    grep -h -m1 -e "Display synchronisation failed" -e "CAN link silent" "$OUT/primary.log" "$OUT/mirror.log" | head -n1
}
# Both displays must finish their start-up synchronisation over the CAN bus (45 s at most).
synced=no
for _ in $(seq 1 90); do
    kill -0 "$PRIMARY" 2>/dev/null || fail "the primary display ended at start-up"
    kill -0 "$MIRROR" 2>/dev/null || fail "the mirror display ended at start-up"
    lost=$(link_lost)
    [ -z "$lost" ] || fail "the displays did not synchronise over $TUL_CAN_INTERFACE: $lost"
    if grep -q "Start-up synchronisation finished" "$OUT/primary.log" &&
        grep -q "Start-up synchronisation finished" "$OUT/mirror.log"; then
        synced=yes
        break
    fi
    sleep 0.5
done
[ "$synced" = yes ] || fail "the displays did not synchronise over $TUL_CAN_INTERFACE within 45 s"
sleep 5
start=$(date +%s)
: > "$OUT/rss.txt"
minute=0
step=0
taps=0
commands=0
while :; do
    now=$(date +%s)
    elapsed=$((now - start))
    if [ $((elapsed / 60)) -ge "$minute" ]; then
        if ! kill -0 "$PRIMARY" 2>/dev/null || ! kill -0 "$MIRROR" 2>/dev/null; then
            fail "a display ended at minute $minute"
        fi
        lost=$(link_lost)
        [ -z "$lost" ] || fail "the displays lost each other at minute $minute: $lost"
        p=$(program_pid "$PRIMARY")
        echo "$minute $(rss "$p") $(rss "$MIRROR") $(anon "$p") $(anon "$MIRROR")" \
            "$(mapped "$p" '\\[heap\\]') $(mapped "$p" 'JSGCHeap') $(records)" >> "$OUT/rss.txt"
        minute=$((minute + 1))
    fi
    [ "$elapsed" -ge $((MINUTES * 60)) ] && break
    bin=$((step % 8))
    case $((step % 6)) in
    0 | 3) echo "tap $bin" >&3 ;;
    1) printf 'tag %d %x\n' "$bin" $((0x0000010000000000 + step)) >&3 ;;
    4) echo "untag $bin" >&3 ;;
    *) echo "state $bin" >&3 ;;
    esac
    taps=$((taps + 1))
    if [ $((step % 4)) -eq 0 ]; then
        cloud "${CLOUD[$(((step / 4) % ${#CLOUD[@]}))]}"
        commands=$((commands + 1))
    fi
    step=$((step + 1))
    sleep 0.5
done
echo "# $taps console commands (taps, pans placed and taken), $commands cloud messages" >> "$OUT/rss.txt"

if [ "$FLOOD" -gt 0 ]; then
    echo "# before the flood: $(rss "$(program_pid "$PRIMARY")") KiB" >> "$OUT/rss.txt"
    for i in $(seq 1 "$FLOOD"); do
        cloud "{\"event\":\"command\",\"command\":\"updatePerformanceDataInterval\",\"commandValue\":[$i,{\"a\":\"$(head -c 300 /dev/zero | tr '\0' x)\""
    done
    sleep 10
    echo "# after $FLOOD malformed commands: $(rss "$(program_pid "$PRIMARY")") KiB" >> "$OUT/rss.txt"
    sleep 60
    echo "# a minute later: $(rss "$(program_pid "$PRIMARY")") KiB" >> "$OUT/rss.txt"
fi
kill -0 "$PRIMARY" 2>/dev/null || fail "the primary display ended"
kill -0 "$MIRROR" 2>/dev/null || fail "the mirror display ended"
lost=$(link_lost)
[ -z "$lost" ] || fail "the displays lost each other: $lost"
echo "# both displays still running, in step" >> "$OUT/rss.txt"
cat "$OUT/rss.txt"
