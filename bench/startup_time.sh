#!/usr/bin/env bash
# Times, under a virtual X display, how long the program takes from launch to
# its login screen on the demo course, against how long an empty 800x600
# frameless window takes to appear; five runs each, medians in milliseconds.
# Usage: bench/startup_time.sh [BUILD_DIR]   (needs xvfb and xdotool)
set -euo pipefail
build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build}"
runs=5
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display" SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_DATA_HOME/Lumora_demo" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '1=Ania\r\n' > "$XDG_DATA_HOME/Lumora_demo/usr.t"
for _ in $(seq 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

# Milliseconds from launching the command until `count` visible windows named
# "Lumora!" exist (the program shows its backdrop, then the login screen).
time_to_windows() {
    local count=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    while [ "$(xdotool search --onlyvisible --name '^Lumora!$' 2>/dev/null | wc -l)" -lt "$count" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "$* ended before its window appeared" >&2
            exit 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

empty=$(for _ in $(seq $runs); do time_to_windows 1 "$build/bin/bench_empty_window"; done | median)
program=$(for _ in $(seq $runs); do time_to_windows 2 "$build/bin/lumora"; done | median)
echo "empty window: median $empty ms"
echo "lumora to login screen: median $program ms"
awk -v p="$program" -v e="$empty" 'BEGIN { printf "ratio: %.2f\n", p / e }'
