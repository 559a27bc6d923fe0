#!/bin/sh
# Installs what is missing, builds, and runs every test through CTest.
# Extra arguments go to ctest (for example: ./test.sh -R tst_crc).
set -eu
TUL_SOURCE=$(cd "$(dirname "$0")" && pwd)
case "${1:-}" in
--help | -help | -h)
    cat <<USAGE
usage: ./test.sh [ctest arguments...]
       ./test.sh --help

Installs what is missing, builds into TUL_BUILD_DIR (default build/) and runs every test
through CTest; the arguments go to ctest (./test.sh -R tst_crc; ctest --help lists them).
USAGE
    exit 0
    ;;
esac
. "$TUL_SOURCE/tools/deps.sh"
tul_install_dependencies
BUILD_DIR=${TUL_BUILD_DIR:-$TUL_SOURCE/build}
tul_build "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)" "$@"
