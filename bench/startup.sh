#!/usr/bin/env bash
# Start-up and memory of build/tavrel against a baseline Qt program (bench/startup_baseline.cpp:
# one dialog with as many widgets as the options window, nothing else).
#
#   bench/startup.sh [runs]        (default 21 runs of each program on each platform)
#
# The programs run alternately, so that a noisy, shared machine slows both alike: the baseline,
# then tavrel up to the idle options window (TAVREL_MEASURE=startup), then tavrel through one
# complete generation (TAVREL_MEASURE=generation) where the build supports it. Each platform is
# measured offscreen and, when Xvfb is installed, on X11 under Xvfb on display :95. The script
# prints the median wall time and peak RSS of each and their ratios to the baseline.
set -euo pipefail

runs=${1:-21}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVREL_BUILD_DIR:-$root/build}
display=:95

if [[ ! -x /usr/bin/time ]]; then
    echo "bench/startup.sh needs GNU time (/usr/bin/time, Debian package 'time')." >&2
    exit 1
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake --preset default -S "$root" >/dev/null
fi
cmake --build "$build" --target tavrel startup_baseline -j "$(nproc)" >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
# Qt wants a private runtime folder; without one it warns on every run.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One run: appends "wall-nanoseconds peak-RSS-KiB" to the file $1 for the command after it and
# keeps what the program said on stderr in $1.said. A run that fails stops the script.
measure() {
    local out=$1
    shift
    local start end
    start=$(date +%s%N)
    if ! /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>"$out.said"; then
        echo "failed: $*" >&2
        cat "$out.said" >&2
        exit 1
    fi
    end=$(date +%s%N)
    echo "$((end - start)) $(tail -n 1 "$work/rss")" >>"$out"
}

median() {  # column $2 of file $1
    cut -d ' ' -f "$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# Whether this build measures a generation: a build without the results window says so on
# stderr and ends with status 4.
supports_generation() {
    local status=0
    env TAVREL_MEASURE=generation "$build/tavrel" >/dev/null 2>"$work/probe" || status=$?
    [[ $status -ne 4 ]]
}

platform() {
    local name=$1
    local dir=$work/$name
    mkdir -p "$dir"
    : >"$dir/baseline" ; : >"$dir/startup" ; : >"$dir/generation"
    local generation=yes
    supports_generation || generation=no
    for ((i = 0; i < runs; ++i)); do
        measure "$dir/baseline" "$build/startup_baseline"
        measure "$dir/startup" env TAVREL_MEASURE=startup "$build/tavrel"
        if [[ $generation == yes ]]; then
            measure "$dir/generation" env TAVREL_MEASURE=generation "$build/tavrel"
        fi
    done

    grep -h 'widgets' "$dir"/*.said | while read -r said; do printf '%-9s %s\n' "$name" "$said"; done
    local base_ns base_kb up_ns up_kb
    base_ns=$(median "$dir/baseline" 1)
    base_kb=$(median "$dir/baseline" 2)
    up_ns=$(median "$dir/startup" 1)
    up_kb=$(median "$dir/startup" 2)
    printf '%-9s %-28s %9.1f ms %9d KiB\n' "$name" "baseline dialog" \
        "$(ratio "$base_ns" 1000000)" "$base_kb"
    printf '%-9s %-28s %9.1f ms %9d KiB   time %sx  RSS %sx\n' "$name" "tavrel, options window" \
        "$(ratio "$up_ns" 1000000)" "$up_kb" "$(ratio "$up_ns" "$base_ns")" \
        "$(ratio "$up_kb" "$base_kb")"
    if [[ $generation == yes ]]; then
        local gen_ns gen_kb
        gen_ns=$(median "$dir/generation" 1)
        gen_kb=$(median "$dir/generation" 2)
        printf '%-9s %-28s %9.1f ms %9d KiB   RSS %sx\n' "$name" "tavrel, one generation" \
            "$(ratio "$gen_ns" 1000000)" "$gen_kb" "$(ratio "$gen_kb" "$base_kb")"
    else
        printf '%-9s %-28s %s\n' "$name" "tavrel, one generation" \
            "not measured: $(cat "$work/probe")"
    fi
}

echo "Start-up and peak RSS, median of $runs runs each, run alternately ($(date -u +%F), $(nproc) cores)"
echo "targets: start-up within 1.3x of the baseline, RSS within 1.3x, after a generation 1.5x"

export QT_QPA_PLATFORM=offscreen
platform offscreen

if command -v Xvfb >/dev/null; then
    if [[ -e /tmp/.X11-unix/X${display#:} ]]; then
        echo "x11       display $display is taken; X11 not measured" >&2
    else
        Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X${display#:} ]] && break
            sleep 0.1
        done
        export QT_QPA_PLATFORM=xcb DISPLAY=$display
        platform x11
    fi
else
    echo "x11       Xvfb is not installed; X11 not measured"
fi
