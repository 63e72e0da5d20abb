#!/usr/bin/env bash
# The web page's figures: its transfer size compressed (icons apart), the engine's WebAssembly
# size, the WASM engine's throughput against the native build over the same mix (run
# alternately, CPU time), and the time from navigation to a revealed level 1 character in
# headless Chromium on an emulated low-end phone, cold and from the service worker's cache.
# Then a party of 12 from its link to its whole table, unthrottled.
# Needs `make web` and the native build (build/engine_profile).
set -euo pipefail
cd "$(dirname "$0")/.."

total=0
for f in build-web/*; do
  [ -f "$f" ] || continue
  size=$(gzip -9 -c "$f" | wc -c)
  printf '%-20s %8d bytes, %7d gzip -9\n' "$(basename "$f")" "$(stat -c %s "$f")" "$size"
  total=$((total + size))
done
echo "page transfer, compressed: $total bytes"
icons=0
for f in build-web/icons/*; do icons=$((icons + $(stat -c %s "$f"))); done
echo "icons (PNG, sent as they are): $icons bytes"
echo "engine in WebAssembly (tavrel.wasm): $(stat -c %s build-web/tavrel.wasm) bytes"

# CPU seconds of one run of the same driver over the benchmark mix.
cpu() { /usr/bin/time -f '%U %S' "$@" 2>&1 >/dev/null | awk '{print $1 + $2}'; }
small=20000
large=220000
for round in 1 2 3; do
  n1=$(cpu build/engine_profile $small); n2=$(cpu build/engine_profile $large)
  w1=$(cpu node build-wasm/engine_profile_wasm.js $small); w2=$(cpu node build-wasm/engine_profile_wasm.js $large)
  awk -v n1="$n1" -v n2="$n2" -v w1="$w1" -v w2="$w2" -v d=$((large - small)) -v r=$round 'BEGIN {
    native = (n2 - n1) / d * 1e6; wasm = (w2 - w1) / d * 1e6
    printf "round %d: native %.2f us a character, WASM (Node) %.2f us: WASM throughput %.2fx native\n",
           r, native, wasm, native / wasm }'
done

node bench/web_reveal.mjs
