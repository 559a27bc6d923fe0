# Sourced by the stand-ins: records one call in $TUL_TOOLS_LOG. A detached stand-in may
# outlive the test that started it, so nothing is written once the log's folder is gone.
tul_record() {
    log=${TUL_TOOLS_LOG:-}
    if [ -n "$log" ] && [ -d "${log%/*}" ]; then
        echo "$*" >> "$log"
    fi
    return 0
}

# Called by hand to see what it is: the stand-in says so and records nothing.
case "${1:-}" in
--help) echo "${0##*/}: a stand-in for the device program of this name (tools/standins/README.md)"; exit 0 ;;
esac
