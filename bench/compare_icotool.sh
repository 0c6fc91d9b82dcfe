#!/usr/bin/env bash
# Whole-process comparison of brisel-cli with icotool (icoutils) on the same
# work, as wall-clock medians measured by hyperfine:
#
#   info      brisel-cli info FILE           vs  icotool -l FILE
#   extract   brisel-cli extract FILE DIR    vs  icotool -x -o DIR FILE
#   create    brisel-cli create OUT PNG...   vs  icotool -c -o OUT PNG...
#
# on three files: "small", 5 images of 16 to 48 pixels; "large", 40 images of
# 216 to 255 pixels (smooth gradients, noise and flat art, each with alpha);
# and "png256", one 256 x 256 image stored as PNG (extract only).
#
# Usage: bench/compare_icotool.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, icotool and ImageMagick 6 (convert-im6.q16). RUNS sets the
# number of timed runs of each command (default 30, after 3 warm-up runs).
# User + system time is shown beside the medians because a busy machine
# stretches wall time far more than processor time.
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

# picture KIND SIDE SEED OUT: a smooth gradient under a radial alpha ramp,
# RGBA noise, or flat shapes in a few colours on a clear ground.
picture() {
    local kind=$1 s=$2 seed=$3 out=$4
    case $kind in
    smooth) convert-im6.q16 -size "${s}x${s}" gradient:"#2050e0-#f0c020" -rotate $((seed * 37 % 360)) \
                -gravity center -extent "${s}x${s}" \
                \( -size "${s}x${s}" radial-gradient:white-black \) \
                -alpha off -compose CopyOpacity -composite -depth 8 "PNG32:$out" ;;
    noise) convert-im6.q16 -seed "$seed" -size "${s}x${s}" xc:gray +noise Random \
               \( -size "${s}x${s}" xc:gray +noise Random -colorspace gray \) \
               -alpha off -compose CopyOpacity -composite -depth 8 "PNG32:$out" ;;
    flat) convert-im6.q16 -size "${s}x${s}" xc:none -fill "#d02020" \
              -draw "rectangle $((s / 8)),$((s / 8)) $((s * 5 / 8)),$((s * 5 / 8))" \
              -fill "#2040c0" -draw "circle $((s * 5 / 8)),$((s * 5 / 8)) $((s * 7 / 8)),$((s * 5 / 8))" \
              -depth 8 "PNG32:$out" ;;
    esac
}
kinds=(smooth noise flat)

mkdir small large
for i in 0 1 2 3 4; do picture "${kinds[i % 3]}" $((16 + 8 * i)) "$i" "small/p$i.png"; done
for i in $(seq 0 39); do picture "${kinds[i % 3]}" $((216 + i)) "$i" "large/p$(printf %02d "$i").png"; done
picture smooth 256 7 p256.png
small=$(ls small/*.png | tr '\n' ' ')
large=$(ls large/*.png | tr '\n' ' ')
icotool -c -o small.ico $small
icotool -c -o large.ico $large
icotool -c -o png256.ico -r p256.png
mkdir -p out-brisel out-icotool

n=0
compare() { # name, our command, their command
    n=$((n + 1))
    hyperfine -N --warmup 3 --runs "$runs" --export-json "$n.json" -n "$1" "$2" -n "$1" "$3" >/dev/null
}
for f in small large; do
    compare "info $f" "$cli info $f.ico" "icotool -l $f.ico"
    compare "extract $f" "$cli extract $f.ico out-brisel" "icotool -x -o out-icotool $f.ico"
    compare "create $f" "$cli create made-brisel.ico ${!f}" "icotool -c -o made-icotool.ico ${!f}"
done
compare "extract png256" "$cli extract png256.ico out-brisel" "icotool -x -o out-icotool png256.ico"

python3 - "$runs" "$n" <<'PY'
import json, statistics, sys
runs, n = sys.argv[1], int(sys.argv[2])
print(f"{runs} runs each after 3 warm-up runs; times in ms (median wall; mean user+sys)")
print(f"{'work':16} {'brisel-cli':>10} {'icotool':>9} {'ratio':>7}   cpu: {'brisel':>7} {'icotool':>8}")
ratios = []
for i in range(1, n + 1):
    with open(f"{i}.json") as f:
        ours, theirs = json.load(f)["results"]
    med = lambda r: statistics.median(r["times"]) * 1000
    cpu = lambda r: (r["user"] + r["system"]) * 1000
    ratio = med(ours) / med(theirs)
    ratios.append((ratio, ours["command"]))
    print(f"{ours['command']:16} {med(ours):10.2f} {med(theirs):9.2f} {ratio:6.2f}x"
          f"   cpu: {cpu(ours):7.2f} {cpu(theirs):8.2f}")
worst, best = max(ratios), min(ratios)
print(f"brisel-cli / icotool: worst {worst[0]:.2f}x ({worst[1]}), best {best[0]:.2f}x ({best[1]});"
      " target 0.5x or less")
PY
