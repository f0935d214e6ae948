#!/usr/bin/env bash
# Runs every fuzz target built in a fuzz build folder: first replays the kept
# regression inputs in tests/data/fuzz/<target>/, then fuzzes for a bounded
# time from the seeds in fuzz/seeds/<target>/. Any crash, leak, sanitizer
# report, time-out or memory blow-up fails the run; the failing input is left
# in <build>/fuzz-artifacts/<target>/ to be kept as a regression case.
# Usage: fuzz/run.sh <fuzz-build-dir> [seconds-per-target]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: fuzz/run.sh <fuzz-build-dir> [seconds]}
seconds=${2:-45}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/cmake/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen

status=0
for src in "$root"/fuzz/fuzz_*.cpp; do
    target=$(basename "$src" .cpp)
    name=${target#fuzz_}
    program="$build/bin/$target"
    if [[ ! -x "$program" ]]; then
        echo "fuzz: $target was not built" >&2
        status=1
        continue
    fi
    regressions="$root/tests/data/fuzz/$name"
    corpus="$build/fuzz-corpus/$name"
    artifacts="$build/fuzz-artifacts/$name/"
    mkdir -p "$corpus" "$artifacts"

    if compgen -G "$regressions/*" >/dev/null; then
        echo "== $target: replaying $(ls "$regressions" | wc -l) kept inputs"
        if ! "$program" -runs=1 "$regressions"/* >"$build/fuzz-$name-replay.log" 2>&1; then
            tail -n 40 "$build/fuzz-$name-replay.log" >&2
            echo "fuzz: $target fails on a kept input" >&2
            status=1
            continue
        fi
    fi

    echo "== $target: fuzzing for ${seconds}s"
    seeds=()
    [[ -d "$root/fuzz/seeds/$name" ]] && seeds=("$root/fuzz/seeds/$name")
    if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" "${seeds[@]}" \
        >"$build/fuzz-$name.log" 2>&1; then
        tail -n 60 "$build/fuzz-$name.log" >&2
        echo "fuzz: $target failed; the input is in $artifacts (keep it in tests/data/fuzz/$name/)" >&2
        status=1
        continue
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/fuzz-$name.log" || true
done
exit $status
