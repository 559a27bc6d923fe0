# Sourced by the network stand-ins: a test sets how a tool answers with files in
# $TUL_SYSTEM_DIR/standins/: <name>.out is printed on standard output, <name>.err on
# standard error, <name>.sleep holds seconds to hang first, <name>.exit the exit
# status (default 0). tul_has_answer tells whether any of them exists.
tul_answer_dir() {
    if [ -n "${TUL_SYSTEM_DIR:-}" ]; then echo "${TUL_SYSTEM_DIR%/}/standins"; fi
}
tul_has_answer() {
    d=$(tul_answer_dir)
    [ -n "$d" ] && { [ -e "$d/$1.out" ] || [ -e "$d/$1.err" ] || [ -e "$d/$1.exit" ] || [ -e "$d/$1.sleep" ]; }
}
tul_answer() {
    d=$(tul_answer_dir)
    status=0
    if [ -n "$d" ]; then
        [ -f "$d/$1.sleep" ] && sleep "$(cat "$d/$1.sleep")"
        [ -f "$d/$1.out" ] && cat "$d/$1.out"
        [ -f "$d/$1.err" ] && cat "$d/$1.err" >&2
        [ -f "$d/$1.exit" ] && status=$(cat "$d/$1.exit")
    fi
    exit "$status"
}
