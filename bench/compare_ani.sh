#!/usr/bin/env bash
# Whole-process comparison of brisel-cli on a 60-frame animated cursor with
# two peers reading the same frames, as wall-clock medians by hyperfine:
#
#   info     brisel-cli info ANI       vs  icotool -l on the 60 frame files
#   extract  brisel-cli extract ANI    vs  icotool -x, and ImageMagick, writing
#                                          every image of the 60 frame files
#
# No peer on Debian reads .ani itself (ImageMagick and Pillow do not), so
# they get the animation's frames as the 60 cursor files it is made of. Each
# frame holds 16, 32 and 48 (32-bit bitmaps) and 256 (PNG) pixel images of
# one picture, on two animations: "flat" (shapes on a clear ground) and
# "noise" (RGBA noise, the worst case for the PNG images).
#
# Usage: bench/compare_ani.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, icotool and ImageMagick 6 (convert-im6.q16). RUNS sets the
# number of timed runs of each command (default 10, after 2 warm-up runs).
set -euo pipefail

. "$(dirname "$0")/compare_setup.sh"
compare_setup compare_ani "${1:-build}" 10 hyperfine icotool convert-im6.q16 python3

# picture KIND FRAME OUT: a 256 x 256 picture of one frame.
picture() {
    local kind=$1 f=$2 out=$3
    case $kind in
    flat) convert-im6.q16 -size 256x256 xc:none -fill "#d02020" \
              -draw "rectangle $((f * 2)),32 $((f * 2 + 120)),160" \
              -fill "#2040c0" -draw "circle 160,160 $((200 + f % 20)),160" \
              -depth 8 "PNG32:$out" ;;
    noise) convert-im6.q16 -seed "$f" -size 256x256 xc:gray +noise Random \
               \( -size 256x256 xc:gray +noise Random -colorspace gray \) \
               -alpha off -compose CopyOpacity -composite -depth 8 "PNG32:$out" ;;
    esac
}

for kind in flat noise; do
    mkdir -p "$kind"
    for f in $(seq -w 0 59); do
        picture "$kind" "$((10#$f))" "$kind/p$f.png"
        "$cli" create "$kind/f$f.cur" --cursor --sizes 16,32,48,256 --hotspot 8,8 "$kind/p$f.png" \
            >/dev/null
    done
    "$cli" create "$kind.ani" --rate 6 "$kind"/f*.cur >/dev/null
done
mkdir -p out-brisel out-icotool out-magick

n=0
compare() { # name, then pairs of label and command
    n=$((n + 1))
    local name=$1
    shift
    local args=()
    while [ $# -gt 0 ]; do
        args+=(-n "$1" "$2")
        shift 2
    done
    hyperfine -N --warmup 2 --runs "$runs" --export-json "$n.json" "${args[@]}" >/dev/null
    echo "$name" >"$n.name"
}
for kind in flat noise; do
    frames=$(ls "$kind"/f*.cur | tr '\n' ' ')
    compare "info $kind" brisel "$cli info $kind.ani" icotool "icotool -l $frames"
    compare "extract $kind" brisel "$cli extract $kind.ani out-brisel" \
        icotool "icotool -x -o out-icotool $frames" \
        magick "convert-im6.q16 $frames out-magick/i-%d.png"
done
ls -l flat.ani noise.ani | awk '{print $5, $9}'

python3 - "$runs" "$n" <<'PY'
import json, statistics, sys
runs, n = sys.argv[1], int(sys.argv[2])
print(f"{runs} runs each after 2 warm-up runs; median wall time in ms (mean user+sys)")
for i in range(1, n + 1):
    with open(f"{i}.json") as f:
        results = json.load(f)["results"]
    with open(f"{i}.name") as f:
        name = f.read().strip()
    cells = []
    for r in results:
        label = r["command"]
        med = statistics.median(r["times"]) * 1000
        cpu = (r["user"] + r["system"]) * 1000
        cells.append(f"{label} {med:8.1f} ({cpu:6.1f})")
    print(f"{name:14} " + "   ".join(cells))
PY
