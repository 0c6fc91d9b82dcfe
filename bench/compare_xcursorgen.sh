#!/usr/bin/env bash
# A whole cursor theme made by brisel-cli beside xcursorgen (x11-apps), the
# X.Org encoder, as wall-clock medians measured by hyperfine:
#
#   brisel     brisel-cli theme OUT --sizes 24,32,48,64,96 ROLE=FILE x 17
#              (15 cursor files and two 60-frame animated cursors; every size
#              not drawn is scaled here, and every alias linked)
#   xcursorgen xcursorgen CONFIG OUT x 17, each frame already drawn at all
#              five sizes (that scaling is done beforehand and not timed, and
#              no aliases are linked): encoding and writing only
#
# on three drawings: "smooth64", smooth art drawn at 64 pixels; "pixel32",
# flat pixel art drawn at 32; "smooth256", smooth art drawn at 256.
#
# Usage: bench/compare_xcursorgen.sh [BUILD_DIR]   (default: build)
# Needs hyperfine, xcursorgen (x11-apps) and ImageMagick 6 (convert-im6.q16).
# RUNS sets the number of timed runs (default 10, after 2 warm-up runs).
set -euo pipefail

build=${1:-build}
cli=$(realpath "$build/bin/brisel-cli")
runs=${RUNS:-10}
for tool in hyperfine xcursorgen convert-im6.q16; do
    command -v "$tool" >/dev/null || { echo "compare_xcursorgen: $tool is needed" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "compare_xcursorgen: $cli is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

roles=(default help progress wait crosshair text pencil not-allowed ns-resize ew-resize
       nwse-resize nesw-resize move up-arrow pointer pin person)
sizes=(24 32 48 64 96)

# picture KIND SIDE SEED OUT: a smooth gradient disc with a soft edge, or a
# flat two-colour square and disc with hard edges; SEED turns it.
picture() {
    local kind=$1 s=$2 seed=$3 out=$4
    case $kind in
    smooth) convert-im6.q16 -size "${s}x${s}" gradient:"#2050e0-#f0c020" -rotate $((seed * 37 % 360)) \
                -gravity center -extent "${s}x${s}" \
                \( -size "${s}x${s}" radial-gradient:white-black -level 40%,60% \) \
                -alpha off -compose CopyOpacity -composite -depth 8 "PNG32:$out" ;;
    flat) convert-im6.q16 -size "${s}x${s}" xc:none -fill "#d02020" \
              -draw "rectangle $((s / 8)),$((s / 8)) $((s * 5 / 8)),$((s * 5 / 8))" \
              -fill "#2040c0" -draw "translate $((s / 2)),$((s / 2)) rotate $((seed * 37)) circle $((s / 8)),0 $((s / 4)),0" \
              +antialias -depth 8 "PNG32:$out" ;;
    esac
}

# The same drawing at every size for xcursorgen: box filter when shrinking,
# whole pixels for pixel art.
resized() {
    local kind=$1 in=$2 s=$3 out=$4
    if [ "$kind" = flat ]; then
        convert-im6.q16 "$in" -filter Point -resize "${s}x${s}" "PNG32:$out"
    else
        convert-im6.q16 "$in" -filter Box -resize "${s}x${s}" "PNG32:$out"
    fi
}

for case in smooth64:smooth:64 pixel32:flat:32 smooth256:smooth:256; do
    IFS=: read -r name kind side <<<"$case"
    mkdir -p "$name/in" "$name/cfg"
    args=()
    for i in "${!roles[@]}"; do
        role=${roles[$i]}
        hot=$((side / 8))
        frames=1
        [ "$role" = wait ] || [ "$role" = progress ] && frames=60
        pngs=()
        : >"$name/cfg/$role"
        for f in $(seq 1 "$frames"); do
            png="$name/in/$role-$f.png"
            picture "$kind" "$side" $((i * 61 + f)) "$png"
            pngs+=("$png")
            for s in "${sizes[@]}"; do
                resized "$kind" "$png" "$s" "$name/in/$role-$f-$s.png"
                echo "$s $((hot * s / side)) $((hot * s / side)) $name/in/$role-$f-$s.png 17" \
                    >>"$name/cfg/$role"
            done
        done
        if [ "$frames" -gt 1 ]; then
            "$cli" create "$name/in/$role.ani" --rate 1 --hotspot "$hot,$hot" "${pngs[@]}"
            args+=("$role=$name/in/$role.ani")
        else
            "$cli" create "$name/in/$role.cur" --cursor --hotspot "$hot,$hot" "${pngs[@]}"
            args+=("$role=$name/in/$role.cur")
        fi
    done
    printf '%s\n' "${args[@]}" >"$name/args"
    # xcursorgen wants the lines of one size together, as a theme's table.
    for cfg in "$name"/cfg/*; do sort -s -n -k1,1 "$cfg" -o "$cfg"; done
done

for name in smooth64 pixel32 smooth256; do
    echo "== $name"
    mkdir -p "$name/peer"
    hyperfine --style basic --warmup 2 --runs "$runs" -N \
        -n "brisel-cli theme" \
        "$cli theme $name/out --name Bench --sizes 24,32,48,64,96 $(tr '\n' ' ' <"$name/args")" \
        -n "xcursorgen x 17" \
        "bash -c 'for c in $name/cfg/*; do xcursorgen \$c $name/peer/\${c##*/}; done'"
done
