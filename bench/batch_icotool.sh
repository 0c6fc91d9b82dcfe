#!/usr/bin/env bash
# Many files in one call: brisel-cli beside icotool (icoutils) on the same
# files, as wall-clock medians measured by hyperfine in one run:
#
#   extract    brisel-cli extract FILE... DIR     vs  icotool -x -o DIR FILE...
#   thumbnail  brisel-cli thumbnail FILE... DIR 128   (icotool has none: time alone)
#
# on three sets of 120 icons made by brisel-cli create from pictures this
# script draws: "small", 16, 32 and 48 pixels at 32 bits; "palette", 16 and
# 32 pixels at 4 and 8 bits; "png", 16, 48 and a 256 x 256 PNG image.
# For scale, "one process each" runs brisel-cli extract once per file.
#
# Usage: bench/batch_icotool.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, icotool and python3. RUNS sets the timed runs (default 20).
set -euo pipefail

build=${1:-build}
cli=$(realpath "$build/bin/brisel-cli")
runs=${RUNS:-20}
for tool in hyperfine icotool python3; do
    command -v "$tool" >/dev/null || { echo "batch_icotool: $tool is needed" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "batch_icotool: $cli is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# RGBA pictures p-SIDE-SEED.png: a gradient with a soft alpha edge and a few
# flat shapes, different for every seed.
python3 - <<'PY'
import struct, zlib
def png(path, side, seed):
    rows = []
    for y in range(side):
        row = bytearray([0])
        for x in range(side):
            r = (x * 255 // side + seed * 37) % 256
            g = (y * 255 // side + seed * 11) % 256
            b = ((x + y) * 7 + seed * 5) % 256
            d = min(x, y, side - 1 - x, side - 1 - y)
            a = 255 if d > side // 8 else d * 255 // max(1, side // 8)
            if (x // max(1, side // 4) + y // max(1, side // 4) + seed) % 5 == 0:
                r, g, b = 200, 30, 30
            row += bytes((r, g, b, a))
        rows.append(bytes(row))
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b""))
for seed in range(120):
    for side in (16, 32, 48, 256):
        png(f"p-{side}-{seed}.png", side, seed)
PY

mkdir small palette png
for i in $(seq 0 119); do
    "$cli" create "small/s$i.ico" "p-16-$i.png" "p-32-$i.png" "p-48-$i.png"
    "$cli" create "palette/a$i.ico" --format $((i % 2 ? 4 : 8)) "p-16-$i.png" "p-32-$i.png"
    "$cli" create "png/g$i.ico" "p-16-$i.png" "p-48-$i.png" "p-256-$i.png"
done
rm -f p-*.png

n=0
compare() { # name, our command, their command
    n=$((n + 1))
    hyperfine -N --warmup 2 --runs "$runs" --export-json "$n.json" -n "$1" "$2" -n "$1" "$3" >/dev/null
}
alone() { # name, command (a shell command when the third argument is "shell")
    n=$((n + 1))
    if [ "${3:-}" = shell ]; then
        hyperfine --warmup 1 --runs "$runs" --export-json "$n.json" -n "$1" "$2" >/dev/null
    else
        hyperfine -N --warmup 2 --runs "$runs" --export-json "$n.json" -n "$1" "$2" >/dev/null
    fi
}
for set in small palette png; do
    files=$(ls $set/*.ico | tr '\n' ' ')
    compare "extract $set" "$cli extract $files out-brisel-$set" "icotool -x -o out-icotool-$set $files"
    alone "thumbnail $set" "$cli thumbnail $files thumbs-$set 128"
done
alone "extract small, one process each" \
    "for f in small/*.ico; do $cli extract \$f out-each; done" shell

python3 - "$runs" "$n" <<'PY'
import json, statistics, sys
runs, n = sys.argv[1], int(sys.argv[2])
print(f"{runs} runs each; 120 files per call; times in ms (median wall; mean user+sys)")
print(f"{'work':34} {'brisel-cli':>10} {'icotool':>9} {'ratio':>7}   cpu: {'brisel':>7} {'icotool':>8}")
ratios, thumbs = [], []
for i in range(1, n + 1):
    with open(f"{i}.json") as f:
        results = json.load(f)["results"]
    med = lambda r: statistics.median(r["times"]) * 1000
    cpu = lambda r: (r["user"] + r["system"]) * 1000
    ours = results[0]
    if len(results) == 2:
        theirs = results[1]
        ratio = med(ours) / med(theirs)
        ratios.append((ratio, ours["command"]))
        print(f"{ours['command']:34} {med(ours):10.2f} {med(theirs):9.2f} {ratio:6.2f}x"
              f"   cpu: {cpu(ours):7.2f} {cpu(theirs):8.2f}")
    else:
        if ours["command"].startswith("thumbnail"):
            thumbs.append((med(ours), ours["command"]))
        print(f"{ours['command']:34} {med(ours):10.2f} {'-':>9} {'-':>7}   cpu: {cpu(ours):7.2f}")
worst, best = max(ratios), min(ratios)
print(f"extract, brisel-cli / icotool: worst {worst[0]:.2f}x ({worst[1]}), best {best[0]:.2f}x"
      f" ({best[1]}); target 0.2x or less")
slow, fast = max(thumbs), min(thumbs)
print(f"thumbnails of 120 files: slowest {slow[0]:.0f} ms ({slow[1]}), fastest {fast[0]:.0f} ms"
      f" ({fast[1]}); target 1000 ms or less")
PY
