#!/usr/bin/env bash
# Start-up and memory of the program against a baseline Qt program (bench/startup_baseline.cpp:
# one dialog with as many widgets as the options window, nothing else).
#
#   bench/startup.sh [runs]        (default 21 runs of each program on each platform)
#
# The programs run alternately, so that a noisy, shared machine slows both alike: the baseline,
# then the program up to the idle options window (build/measured_tavrel startup), then through
# one complete generation (build/measured_tavrel generation); measured_tavrel starts through the
# program's own start-up code. Each platform is
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
cmake --build "$build" --target measured_tavrel startup_baseline -j "$(nproc)" >/dev/null

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

# Microseconds of CPU time (user + system) in the output of the builtin `times` in file $1: the
# total of every child the shell has waited for. The builtin needs no child of its own, so two
# readings around one run give that run's CPU time, which a busy machine disturbs less than the
# wall time.
cpu_us() {
    tail -n 1 "$1" | awk '{
        split($1, u, /[ms]/); split($2, s, /[ms]/)
        printf "%d", ((u[1] + s[1]) * 60 + u[2] + s[2]) * 1000000 }'
}

# One run: appends "wall-ns peak-RSS-KiB CPU-us" to the file $1 for the command after it and
# keeps what the program said on stderr in $1.said. A run that fails stops the script.
measure() {
    local out=$1
    shift
    local start end status=0
    start=$(date +%s%N)
    times >"$work/before"
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>"$out.said" || status=$?
    times >"$work/after"
    end=$(date +%s%N)
    if [[ $status -ne 0 ]]; then
        echo "failed: $*" >&2
        cat "$out.said" >&2
        exit 1
    fi
    local cpu=$(($(cpu_us "$work/after") - $(cpu_us "$work/before")))
    echo "$((end - start)) $(tail -n 1 "$work/rss") $cpu" >>"$out"
}

median() {  # column $2 of file $1
    cut -d ' ' -f "$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

platform() {
    local name=$1
    local dir=$work/$name
    mkdir -p "$dir"
    : >"$dir/baseline" ; : >"$dir/startup" ; : >"$dir/generation"
    for ((i = 0; i < runs; ++i)); do
        measure "$dir/baseline" "$build/startup_baseline"
        measure "$dir/startup" "$build/measured_tavrel" startup
        measure "$dir/generation" "$build/measured_tavrel" generation
    done

    grep -h 'widgets' "$dir"/*.said | while read -r said; do printf '%-9s %s\n' "$name" "$said"; done
    local base_ns base_kb base_us up_ns up_kb up_us
    base_ns=$(median "$dir/baseline" 1)
    base_kb=$(median "$dir/baseline" 2)
    base_us=$(median "$dir/baseline" 3)
    up_ns=$(median "$dir/startup" 1)
    up_kb=$(median "$dir/startup" 2)
    up_us=$(median "$dir/startup" 3)
    printf '%-9s %-24s %7.1f ms %7.1f ms %7d KiB\n' "$name" "baseline dialog" \
        "$(ratio "$base_ns" 1000000)" "$(ratio "$base_us" 1000)" "$base_kb"
    printf '%-9s %-24s %7.1f ms %7.1f ms %7d KiB   %5sx %5sx %5sx\n' "$name" \
        "tavrel, options window" "$(ratio "$up_ns" 1000000)" "$(ratio "$up_us" 1000)" "$up_kb" \
        "$(ratio "$up_ns" "$base_ns")" "$(ratio "$up_us" "$base_us")" "$(ratio "$up_kb" "$base_kb")"
    local gen_ns gen_kb gen_us
    gen_ns=$(median "$dir/generation" 1)
    gen_kb=$(median "$dir/generation" 2)
    gen_us=$(median "$dir/generation" 3)
    printf '%-9s %-24s %7.1f ms %7.1f ms %7d KiB   %5s  %5s  %5sx\n' "$name" \
        "tavrel, one generation" "$(ratio "$gen_ns" 1000000)" "$(ratio "$gen_us" 1000)" \
        "$gen_kb" "" "" "$(ratio "$gen_kb" "$base_kb")"
}

echo "Start-up and peak RSS, median of $runs runs each, run alternately ($(date -u +%F), $(nproc) cores)"
echo "targets: start-up within 1.3x of the baseline, RSS within 1.3x, after a generation 1.5x"
printf '%-9s %-24s %10s %10s %11s   %5s  %5s  %5s\n' platform program wall CPU "peak RSS" \
    wall CPU RSS

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
