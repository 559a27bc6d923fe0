# Sourced by the stand-ins: records one call in $TUL_TOOLS_LOG. A detached stand-in may
# outlive the test that started it, so nothing is written once the log's folder is gone.
tul_record() {
    log=${TUL_TOOLS_LOG:-}
    if [ -n "$log" ] && [ -d "${log%/*}" ]; then
        echo "$*" >> "$log"
    fi
    return 0
}
