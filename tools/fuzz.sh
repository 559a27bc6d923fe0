#!/bin/sh
# Runs a fuzz program of a fuzzing build (-DTUL_FUZZING=ON) on a copy of its checked-in
# corpus, so that the inputs libFuzzer adds and its crash files land in a scratch folder
# and never in the tree. The folder is kept, and named, when the run found something.
usage() {
    cat <<EOF
usage: tools/fuzz.sh FUZZ_PROGRAM CORPUS_FOLDER [libFuzzer options...]
  for example: tools/fuzz.sh build-fuzz/tests/foundation/fuzz_crc tests/foundation/corpus/crc -max_total_time=60
  The corpus is copied into a scratch folder (under \$TMPDIR, default /tmp) first; new
  inputs and crash files stay there. Copy the ones worth keeping into CORPUS_FOLDER.
EOF
}
set -u
case "${1:-}" in
    -h|--help) usage; exit 0 ;;
esac
if [ $# -lt 2 ]; then
    usage >&2; exit 2
fi
program=$1 corpus=$2
shift 2
if [ ! -x "$program" ] || [ -d "$program" ]; then
    echo "tools/fuzz.sh: $program is not a program (build it with -DTUL_FUZZING=ON)" >&2
    usage >&2; exit 2
fi
if [ ! -d "$corpus" ]; then
    echo "tools/fuzz.sh: $corpus is not a corpus folder" >&2
    usage >&2; exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tul-fuzz-XXXXXX") || exit 1
mkdir "$scratch/corpus" "$scratch/artifacts" && cp -R "$corpus/." "$scratch/corpus/" || {
    rm -rf "$scratch"; exit 1
}

# Ctrl-C stops libFuzzer, which then prints its figures; this script still reports.
trap 'rm -rf "$scratch"; exit 130' HUP TERM
trap ':' INT
(cd "$scratch" && exec "$program" -artifact_prefix="$scratch/artifacts/" "$@" "$scratch/corpus")
status=$?
trap - INT HUP TERM

added=0
for input in "$scratch/corpus"/*; do
    [ -e "$input" ] && [ ! -e "$corpus/$(basename "$input")" ] && added=$((added + 1))
done
artifacts=$(ls "$scratch/artifacts" | wc -l)
if [ "$added" -le 0 ] && [ "$artifacts" -eq 0 ]; then
    rm -rf "$scratch"
    echo "fuzz.sh: no new inputs; nothing kept"
else
    echo "fuzz.sh: $added new inputs in $scratch/corpus, $artifacts crash files in $scratch/artifacts"
    echo "fuzz.sh: copy those worth keeping into $corpus; remove $scratch afterwards"
fi
exit $status
