#!/bin/bash
# run_once.sh <source folder> <build folder>
# ./run.sh on a scratch run folder, without a display: a second run on the same folder is
# refused at once while the first keeps its bus and answers; every way the first ends
# (SIGTERM, Ctrl-C to the terminal's group, killed outright) leaves no bus daemon, no VNC
# front and no lock behind; --clean starts from the sample's data again.
set -u
src=$1
build=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tul-runonce-XXXXXX")
failed=0
RUN_PID=""
cleanup() {
    [ -n "$RUN_PID" ] && kill -KILL -- "-$RUN_PID" 2>/dev/null
    exec 4>&- 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

free_port() {
    local p
    while :; do
        p=$((20000 + RANDOM % 30000))
        (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return; }
    done
}
fail() {
    echo "FAIL: $*"
    failed=1
}
unset DISPLAY WAYLAND_DISPLAY
# "Scene loaded", which says the screen is up, is a debug line of the core.
export QT_LOGGING_RULES="${QT_LOGGING_RULES:+$QT_LOGGING_RULES;}tul.core.debug=true"
export TUL_RUN_DIR="$scratch/run" TUL_BUILD_DIR="$build" TUL_NO_BUILD=1
export TUL_VNC_PORT=$(free_port) TUL_CAN_INTERFACE="tcp://127.0.0.1:$(free_port)/can0"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$TUL_RUN_DIR/system-bus.socket"
mkfifo "$scratch/console"

# start <log> [run.sh options]: the first run, in a process group of its own (as a
# terminal would make it), its console on a pipe held open by this script.
start() {
    local log=$1
    shift
    setsid "$src/run.sh" "$@" <"$scratch/console" >"$log" 2>&1 &
    RUN_PID=$!
    exec 4>"$scratch/console"
    for _ in $(seq 1 600); do
        grep -q "Scene loaded" "$log" && return 0
        kill -0 "$RUN_PID" 2>/dev/null || break
        sleep 0.1
    done
    fail "the run did not start"
    cat "$log"
    return 1
}
# Its program processes, bus daemon and VNC front.
children() {
    pgrep -s "$RUN_PID" | grep -vx "$RUN_PID"
}
# alive <pid>: running, not only waiting to be reaped.
alive() {
    [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z' "/proc/$1/stat" 2>/dev/null
}
# ended <pids...>: every one of them is gone within 30 s.
ended() {
    for _ in $(seq 1 300); do
        local alive=""
        for p in "$@"; do alive "$p" && alive="$alive $p"; done
        [ -z "$alive" ] && return 0
        sleep 0.1
    done
    fail "left running:$alive ($(ps -o pid=,args= $alive 2>/dev/null))"
}
serial() {
    dbus-send --system --print-reply --dest=com.brevantor.DBus /TulApplication \
        com.brevantor.DBus.TulApplication.getObjectPropertyValue string:configManager string:serialNumber 2>&1
}

echo "# a second run on the same folder"
start "$scratch/first.log" || exit 1
dbus_pid=$(cat "$TUL_RUN_DIR/dbus.pid")
pids=$(children)
started=$SECONDS
"$src/run.sh" </dev/null >"$scratch/second.log" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "the second run exited with $status"
[ $((SECONDS - started)) -le 5 ] || fail "the second run took $((SECONDS - started)) s to refuse"
grep -q "is in use by another ./run.sh (process $RUN_PID)" "$scratch/second.log" ||
    fail "the second run did not say why: $(cat "$scratch/second.log")"
kill -0 "$RUN_PID" 2>/dev/null || fail "the first run ended"
[ "$(cat "$TUL_RUN_DIR/dbus.pid")" = "$dbus_pid" ] || fail "the second run replaced the bus daemon's pid"
serial | grep -q '"SIM-0001"' || fail "the first run's bus does not answer: $(serial)"
echo "state 0" >&4
for _ in $(seq 1 50); do grep -q "^sim: " "$scratch/first.log" && break; sleep 0.1; done
grep -q "^sim: " "$scratch/first.log" || fail "the first run's console does not answer"

echo "# the first ends by SIGTERM"
kill -TERM "$RUN_PID"
ended "$RUN_PID" $pids "$dbus_pid"
exec 4>&-

echo "# Ctrl-C: the terminal signals the whole group"
start "$scratch/third.log" || exit 1
pids=$(children)
dbus_pid=$(cat "$TUL_RUN_DIR/dbus.pid")
kill -INT -- "-$RUN_PID"
ended "$RUN_PID" $pids "$dbus_pid"
exec 4>&-
grep -q "Stopping on signal 2" "$scratch/third.log" || fail "the program did not stop on Ctrl-C's signal"

# What a run changes stays for the next one, as the cloud's new serial number would.
sed -i 's/SIM-0001/SIM-0002/' "$TUL_RUN_DIR/single/serialModelNums.txt"

echo "# killed outright: no lock is left, and the next run ends the bus left behind"
start "$scratch/fourth.log" || exit 1
serial | grep -q '"SIM-0002"' || fail "the changed serial number was not kept: $(serial)"
dbus_pid=$(cat "$TUL_RUN_DIR/dbus.pid")
program=$(pgrep -s "$RUN_PID" -x tul)
kill -KILL "$RUN_PID" $program
exec 4>&-
ended "$RUN_PID" $program
start "$scratch/fifth.log" --clean || exit 1
ended "$dbus_pid"
serial | grep -q '"SIM-0001"' || fail "--clean did not start from the sample's data: $(serial)"
pids=$(children)
dbus_pid=$(cat "$TUL_RUN_DIR/dbus.pid")
kill -TERM "$RUN_PID"
ended "$RUN_PID" $pids "$dbus_pid"
RUN_PID=""
exit $failed
