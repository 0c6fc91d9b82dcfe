#!/usr/bin/env bash
# Whole-process comparison of brisel-cli with icotool (icoutils) on the same
# work: 40 RGBA pictures of 216 to 255 pixels, made into one 32-bit icon.
#
#   info      brisel-cli info FILE           vs  icotool -l FILE
#   extract   brisel-cli extract FILE DIR    vs  icotool -x -o DIR FILE
#   create    brisel-cli create OUT PNG...   vs  icotool -c -o OUT PNG...
#
# Usage: bench/compare_icotool.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, icotool and ImageMagick 6 (convert-im6.q16). RUNS sets the
# number of timed runs of each command (default 30, after 3 warm-up runs).
# The figures are wall-clock medians; user + system time is shown beside them
# because a busy machine stretches wall time far more than processor time.
set -euo pipefail

build=${1:-build}
cli=$(realpath "$build/bin/brisel-cli")
runs=${RUNS:-30}
for tool in hyperfine icotool convert-im6.q16 python3; do
    command -v "$tool" >/dev/null || { echo "compare_icotool: $tool is needed" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "compare_icotool: $cli is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Pictures with every kind of pixel an icon meets: a fractal of colours under
# a radial alpha ramp from opaque in the middle to clear at the corners.
for i in $(seq 0 39); do
    s=$((216 + i))
    convert-im6.q16 -size "${s}x${s}" -seed "$i" plasma:fractal \
        \( -size "${s}x${s}" radial-gradient:white-black \) \
        -alpha off -compose CopyOpacity -composite -depth 8 "PNG32:p$(printf %02d "$i").png"
done
pictures=$(ls p*.png | tr '\n' ' ')
"$cli" create bench.ico $pictures
mkdir -p out-brisel out-icotool

hyperfine -N --warmup 3 --runs "$runs" --export-json info.json \
    "$cli info bench.ico" "icotool -l bench.ico" >/dev/null
hyperfine -N --warmup 3 --runs "$runs" --export-json extract.json \
    "$cli extract bench.ico out-brisel" "icotool -x -o out-icotool bench.ico" >/dev/null
hyperfine -N --warmup 3 --runs "$runs" --export-json create.json \
    "$cli create made-brisel.ico $pictures" "icotool -c -o made-icotool.ico $pictures" >/dev/null

python3 - "$runs" <<'EOF'
import json, statistics, sys
runs = sys.argv[1]
print(f"{runs} runs each after 3 warm-up runs; times in ms (median wall, mean user+sys)")
print(f"{'command':8} {'brisel-cli':>12} {'icotool':>12} {'speed-up':>9}   cpu: {'brisel':>7} {'icotool':>8}")
for name in ("info", "extract", "create"):
    with open(f"{name}.json") as f:
        ours, theirs = json.load(f)["results"]
    med = lambda r: statistics.median(r["times"]) * 1000
    cpu = lambda r: (r["user"] + r["system"]) * 1000
    print(f"{name:8} {med(ours):12.1f} {med(theirs):12.1f} {med(theirs) / med(ours):8.2f}x"
          f"   cpu: {cpu(ours):7.1f} {cpu(theirs):8.1f}")
EOF
