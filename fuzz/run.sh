#!/usr/bin/env bash
# Fuzzes the course and user file readers with libFuzzer.
#
#   fuzz/run.sh [seconds] [target...]
#
# Builds the fuzz preset when needed, then runs each target (all of them by
# default) for the given wall time (600 s by default) on a scratch copy of its
# seed corpus, FUZZ_JOBS targets at a time (4 by default), under nice. Prints
# per target the executions, executions per second, coverage (cov and ft
# from libFuzzer's final status), new corpus units and findings. Every crash,
# leak, timeout or out-of-memory input is copied into
# fuzz/regressions/<target>/, which the test suite replays.
#
# The painters run with -detect_leaks=0: Qt's font database keeps memory
# from fontconfig until the process ends.
#
# FUZZ_WORK names the scratch folder (build-fuzz/runs by default); it is
# emptied for each target that runs. FUZZ_BUILD=0 skips the build.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"
shift || true
jobs="${FUZZ_JOBS:-4}"
work="${FUZZ_WORK:-$here/build-fuzz/runs}"
bin="$here/build-fuzz/fuzz"

all_targets=(cp1250 ini ini_hdd instructions steering data st reveal_index users points choice
    true_false typing drag_drop definitions crossword word_search gap_sentence course markup_painter
    help_painter)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

# The longest input worth trying: whole tables for the table readers, one
# line for a body or a sentence, a long page for the help painter.
max_len() {
    case "$1" in
        ini | steering | data | st | typing | course) echo 65536 ;;
        users | points | instructions | reveal_index | crossword) echo 32768 ;;
        help_painter) echo 12000 ;;
        cp1250 | gap_sentence | markup_painter | ini_hdd) echo 4096 ;;
        *) echo 8192 ;;
    esac
}

# Qt's font database (fontconfig) keeps memory to the end of the process,
# which the leak checker would report on every run of the painters.
extra_options() {
    case "$1" in
        markup_painter | help_painter) echo -detect_leaks=0 ;;
    esac
}

build() {
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$here}"
    if [ ! -f "$here/build-fuzz/CMakeCache.txt" ]; then
        (cd "$here" && cmake --preset fuzz)
    fi
    (cd "$here" && cmake --build --preset fuzz)
}

run_one() {
    local t="$1" dir="$work/$1"
    rm -rf "$dir"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    # The readers sync what they write; on a memory file system that is
    # cheap, so the scratch files go there when there is one.
    local tmp="$dir/tmp"
    if [ -d /dev/shm ] && [ -w /dev/shm ]; then
        tmp=$(mktemp -d /dev/shm/lumora-fuzz-XXXXXX)
    fi
    mkdir -p "$tmp"
    cp "$here/fuzz/corpus/$t/"* "$dir/corpus/"
    local options=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048
        -max_len="$(max_len "$t")" -print_final_stats=1 -artifact_prefix="$dir/artifacts/")
    # shellcheck disable=SC2207
    options+=($(extra_options "$t"))
    local asan="${ASAN_OPTIONS:-}"
    # libFuzzer's flag covers the inputs; the check at exit is the sanitizer's.
    [ -n "$(extra_options "$t")" ] && asan="${asan:+$asan:}detect_leaks=0"
    local start end
    start=$(date +%s)
    TMPDIR="$tmp" QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS="$asan" UBSAN_OPTIONS="print_stacktrace=1" \
        nice -n 10 "$bin/${t}_fuzz" "${options[@]}" "$dir/corpus" >"$dir/log.txt" 2>&1 || true
    end=$(date +%s)
    [ "$tmp" = "$dir/tmp" ] || rm -rf "$tmp"
    echo $((end - start)) >"$dir/wall"
}

report() {
    local t="$1" dir="$work/$1" log="$work/$1/log.txt"
    local execs rate status cov ft added findings=() f
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    added=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -1)
    status=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
    for f in "$dir/artifacts/"*; do
        [ -e "$f" ] || continue
        findings+=("$(basename "$f")")
        mkdir -p "$here/fuzz/regressions/$t"
        cp "$f" "$here/fuzz/regressions/$t/"
    done
    printf '%-15s %6ss %12s %8s %6s %7s %6s  %s\n' "$t" "$(cat "$dir/wall")" "${execs:-?}" \
        "${rate:-?}" "${cov:-?}" "${ft:-?}" "${added:-?}" \
        "${findings[*]:-none}"
}

[ "${FUZZ_BUILD:-1}" = 0 ] || build
echo "fuzzing ${targets[*]} for ${seconds}s each, $jobs at a time; logs in $work"
running=0
for t in "${targets[@]}"; do
    [ -x "$bin/${t}_fuzz" ] || { echo "no fuzz target $t" >&2; exit 2; }
    run_one "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait
printf '%-15s %7s %12s %8s %6s %7s %6s  %s\n' target wall executions exec/s cov ft new findings
for t in "${targets[@]}"; do
    report "$t"
done
