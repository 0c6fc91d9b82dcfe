# Sourced by the comparison scripts: compare_setup NAME BUILD_DIR DEFAULT_RUNS
# TOOL... sets cli (brisel-cli of BUILD_DIR) and runs (RUNS or DEFAULT_RUNS),
# checks that brisel-cli is built and every TOOL is on PATH, and moves into a
# work folder that is removed on exit.
compare_setup() {
    local name=$1 build=$2
    runs=${RUNS:-$3}
    shift 3
    cli=$(realpath "$build/bin/brisel-cli")
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$name: $tool is needed" >&2; exit 1; }
    done
    [ -x "$cli" ] || { echo "$name: $cli is not built" >&2; exit 1; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work"
}
