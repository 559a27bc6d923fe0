#!/bin/sh
# Installs what is missing, builds, and runs the cabinet controller in simulation mode
# on a scratch data folder with a private D-Bus. Offscreen when there is no display.
# Extra arguments go to the program. TUL_RUN_DIR chooses the scratch folder.
set -eu
TUL_SOURCE=$(cd "$(dirname "$0")" && pwd)
. "$TUL_SOURCE/tools/deps.sh"
tul_install_dependencies
BUILD_DIR=${TUL_BUILD_DIR:-$TUL_SOURCE/build}
tul_build "$BUILD_DIR"

RUN_DIR=${TUL_RUN_DIR:-$TUL_SOURCE/.run}
mkdir -p "$RUN_DIR/root" "$RUN_DIR/flash" "$RUN_DIR/system"
export TUL_ROOT_DIR="$RUN_DIR/root/" TUL_FLASH_DIR="$RUN_DIR/flash/" TUL_SYSTEM_DIR="$RUN_DIR/system/"
export TUL_TOOLS_DIR="$TUL_SOURCE/tools/standins" TUL_TOOLS_LOG="$RUN_DIR/tools.log"

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
trap 'kill "$(cat "$RUN_DIR/dbus.pid")" 2>/dev/null || true' EXIT INT TERM
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$RUN_DIR/system-bus.socket"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
fi
"$BUILD_DIR/tul" -simulation "$@"
