#!/bin/sh
# Sourced by run.sh, test.sh and tools/screenshots.sh: installs the Debian packages the
# build, the tests and the simulation need, when any is missing, and builds.
# Run by itself (tools/deps.sh), it installs the missing packages and nothing else.
TUL_PACKAGES="build-essential cmake ninja-build ccache pkg-config
 qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtdeclarative5-dev-tools
 libqt5serialport5-dev libqt5serialbus5-dev libqt5serialbus5-plugins qtmultimedia5-dev
 qttools5-dev-tools qttools5-dev
 qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
 qml-module-qtquick-layouts qml-module-qttest libqt5gui5
 dbus libmodbus-dev fonts-dejavu-core fonts-noto-core fonts-noto-cjk unicode-data"

tul_install_dependencies() {
    missing=""
    for p in $TUL_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages and not root: install them first:$missing" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q && apt-get install -y -q --no-install-recommends $missing
}

# tul_build <build folder> [cmake options...]: configures the folder when it is not yet
# configured, is of another build type (TUL_BUILD_TYPE, default RelWithDebInfo) or options
# are given, then builds. Once configured, "cmake --build" re-runs CMake by itself when a
# CMake input changed, so a build with nothing changed does no work.
tul_build() {
    build_dir="$1"; shift
    tul_check_build_dir "$build_dir" || return 2
    if [ -n "${TUL_NO_BUILD:-}" ]; then
        [ -x "$build_dir/tul" ] && return 0
        echo "TUL_NO_BUILD is set but $build_dir holds no built program" >&2
        return 1
    fi
    build_type="${TUL_BUILD_TYPE:-RelWithDebInfo}"
    cached_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true)
    if [ ! -f "$build_dir/build.ninja" ] || [ "$cached_type" != "$build_type" ] || [ $# -gt 0 ]; then
        launcher=""
        command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
        cmake -S "$TUL_SOURCE" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" $launcher "$@" || return 1
    fi
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# tul_check_build_dir <build folder>: a folder that does not exist yet is most likely a
# mistyped one, and building into it would start a whole new build without a word; only
# the default build/ is made without asking (TUL_NEW_BUILD=1 asks).
tul_check_build_dir() {
    [ -d "$1" ] && return 0
    [ "$(realpath -m "$1")" = "$TUL_SOURCE/build" ] && return 0
    [ -n "${TUL_NEW_BUILD:-}" ] && return 0
    echo "No build folder $1 (mistyped?). To make a new build there, set TUL_NEW_BUILD=1." >&2
    return 1
}

# Where the machine has a system bus, its policy must let the cabinet own its name and
# the IoT agent call it. Installed (as root) when missing or changed.
tul_install_bus_policy() {
    policy="$TUL_SOURCE/resources/com.brevantor.DBus.conf"
    target=/etc/dbus-1/system.d/com.brevantor.DBus.conf
    [ -d /etc/dbus-1/system.d ] && [ -S /run/dbus/system_bus_socket ] || return 0
    cmp -s "$policy" "$target" && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "The system bus lacks the cabinet's policy: as root, copy $policy to $target" >&2
        return 0
    fi
    cp "$policy" "$target.new" && mv "$target.new" "$target" && echo "Installed $target"
}

# Run by itself rather than sourced.
if [ "${0##*/}" = deps.sh ]; then
    case "${1:-}" in
    "") tul_install_dependencies ;;
    -h | --help | -help)
        echo "usage: tools/deps.sh"
        echo "Installs the Debian packages that the build, the tests and the simulation need (as root)."
        ;;
    *)
        echo "usage: tools/deps.sh (it takes no arguments)" >&2
        exit 2
        ;;
    esac
fi
