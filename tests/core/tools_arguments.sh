#!/bin/bash
# tools_arguments.sh <source folder> <build folder>
# The scripts and tools answer a bad argument at once with their usage and exit 2, and
# --help with their usage and exit 0, without building, starting or making anything.
set -u
src=$1
build=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tul-tools-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failed=0

# check <exit status> <text in the output> <command...>: run in an empty folder, with a
# build folder and a run folder that must stay unmade.
check() {
    local want=$1 text=$2 started=$SECONDS out status
    shift 2
    out=$(cd "$scratch/cwd" && TUL_RUN_DIR="$scratch/run" timeout 30 "$@" 2>&1 </dev/null)
    status=$?
    local why=""
    [ "$status" -eq "$want" ] || why="exit $status, not $want"
    grep -qF -- "$text" <<<"$out" || why="$why; no \"$text\""
    [ $((SECONDS - started)) -le 5 ] || why="$why; took $((SECONDS - started)) s"
    [ -z "$(ls -A "$scratch/cwd")" ] || why="$why; made $(ls -A "$scratch/cwd")"
    [ ! -e "$scratch/run" ] && [ ! -e "$scratch/newbuild" ] || why="$why; made a run or build folder"
    if [ -n "$why" ]; then
        echo "FAIL: $*: $why"
        echo "$out" | head -n 20
        failed=1
    else
        echo "ok: $*"
    fi
    rm -rf "$scratch/cwd" "$scratch/run" "$scratch/newbuild"
    mkdir -p "$scratch/cwd"
}
mkdir -p "$scratch/cwd"

check 2 "usage: tools/soak.sh" "$src/tools/soak.sh" abc
check 2 "usage: tools/soak.sh" "$src/tools/soak.sh" 0 many
check 2 "usage: tools/soak.sh" "$src/tools/soak.sh" 1 2 3
check 0 "usage: tools/soak.sh" "$src/tools/soak.sh" --help
check 2 "No build folder" env TUL_BUILD_DIR="$scratch/newbuild" "$src/tools/soak.sh" 1

check 0 "usage: tools/screenshots.sh" "$src/tools/screenshots.sh" --help
check 2 "usage: tools/screenshots.sh" "$src/tools/screenshots.sh" -x
check 2 "usage: tools/screenshots.sh" "$src/tools/screenshots.sh" a b c
check 2 "No build folder" "$src/tools/screenshots.sh" "$scratch/shots" "$scratch/newbuild"

check 0 "usage: ./run.sh" "$src/run.sh" --help
# The program's own options come from the built program, which it does not build.
check 0 "-simulation" env TUL_BUILD_DIR="$build" "$src/run.sh" -sx 1 --help
check 2 "unknown option --two-display" env TUL_BUILD_DIR="$build" "$src/run.sh" --two-display
check 2 "No build folder" env TUL_BUILD_DIR="$scratch/newbuild" "$src/run.sh"

check 0 "usage: ./test.sh" "$src/test.sh" --help
check 2 "No build folder" env TUL_BUILD_DIR="$scratch/newbuild" "$src/test.sh" -R nothing

check 0 "usage: tools/deps.sh" "$src/tools/deps.sh" --help
check 2 "usage: tools/deps.sh" "$src/tools/deps.sh" all
check 2 "usage: test_ratio.py" python3 "$src/tools/test_ratio.py" --file
check 0 "a stand-in" "$src/tools/standins/aplay" --help
check 0 "usage: tul_vncfront" "$build/tul_vncfront" --help
check 2 "usage: tul_vncfront" "$build/tul_vncfront"
check 2 "usage: tul_vncfront" "$build/tul_vncfront" 65536

exit $failed
