#!/usr/bin/env bash
# Times, under a virtual X display, how long the program takes from launch to
# its login screen on the demo course, against how long an empty 800x600
# frameless window takes to appear; five runs each, medians in milliseconds.
# Usage: bench/startup_time.sh [BUILD_DIR]   (needs xvfb and xdotool)
set -euo pipefail
build="${1:-$(cd "$(dirname "$0")/.." && pwd)/build}"
runs="${RUNS:-5}"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=":$(head -n 1 "$work/display")"
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
# Fails when the command ends first.
time_to_windows() {
    local count=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>"$work/stderr" &
    local pid=$!
    while [ "$(xdotool search --onlyvisible --name '^Lumora!$' 2>/dev/null | wc -l)" -lt "$count" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

# The virtual display now and then refuses a connection while it is busy with
# the polling above; such a run is repeated, anything else ends the script.
timed_run() {
    for _ in 1 2 3; do
        sleep 0.2
        time_to_windows "$@" && return 0
        grep -q "could not connect to display" "$work/stderr" || break
    done
    echo "${*:2} ended before its window appeared:" >&2
    cat "$work/stderr" >&2
    exit 1
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

# The two are timed in turns, so that a change of the machine's load during
# the script affects both alike.
: >"$work/empty"
: >"$work/program"
for _ in $(seq "$runs"); do
    timed_run 1 "$build/bin/bench_empty_window" >>"$work/empty"
    timed_run 2 "$build/bin/lumora" >>"$work/program"
done
empty=$(median <"$work/empty")
program=$(median <"$work/program")
echo "empty window: median $empty ms"
echo "lumora to login screen: median $program ms"
awk -v p="$program" -v e="$empty" 'BEGIN { printf "ratio: %.2f\n", p / e }'
