#!/usr/bin/env bash
# Start-up time: from starting the process to its main window being shown on a
# private X server, for Quillmark and for a bare Qt window, alternating runs.
# The verdict follows the medians: the script fails when Quillmark takes more
# than LIMIT (default 1.5) times as long as the bare window.
# Usage: bash bench/startup.sh <build-dir>
set -uo pipefail

dir=${1:?usage: startup.sh <build-dir>}
runs=${RUNS:-11}
limit=${LIMIT:-1.5}
quillmark=$dir/bin/quillmark
bare=$dir/bin/bench_bare_window
for f in "$quillmark" "$bare"; do
    [[ -x $f ]] || { echo "startup.sh: $f is not built (configure with -DQUILLMARK_BENCH=ON)" >&2; exit 1; }
done
command -v Xvfb >/dev/null && command -v xdotool >/dev/null \
    || { echo "startup.sh: needs Xvfb and xdotool (scripts/setup --test)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-startup.XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

display=""
for d in $(seq 161 220); do
    if [[ ! -e /tmp/.X11-unix/X$d && ! -e /tmp/.X$d-lock ]]; then display=$d; break; fi
done
[[ -n $display ]] || { echo "startup.sh: no free X display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -S /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

# The program runs from its own folder with a settings file naming a mission folder.
mkdir -p "$work/app" "$work/mission"
cp "$quillmark" "$work/app/quillmark"
printf '"%s"\r\n' "$work/mission" >"$work/app/Varnholt.ini"

# Milliseconds from start to the window named $2 being viewable.
time_to_window() {
    local title=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>"$work/stderr" &
    app_pid=$!
    local deadline=$((start + 20000000000))
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        if (($(date +%s%N) > deadline)) || ! kill -0 "$app_pid" 2>/dev/null; then
            echo "startup.sh: no window \"$title\" from $1" >&2
            sed 's/^/  /' "$work/stderr" >&2
            kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""
            return 1
        fi
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One unmeasured run each, so both start with warm caches.
time_to_window "Bare Window" "$bare" --stay >/dev/null || exit 1
time_to_window "Quillmark" "$work/app/quillmark" >/dev/null || exit 1

q_times=()
b_times=()
for _ in $(seq "$runs"); do
    t=$(time_to_window "Bare Window" "$bare" --stay) || exit 1
    b_times+=("$t")
    t=$(time_to_window "Quillmark" "$work/app/quillmark") || exit 1
    q_times+=("$t")
done
q_med=$(printf '%s\n' "${q_times[@]}" | median)
b_med=$(printf '%s\n' "${b_times[@]}" | median)
ratio=$(awk -v q="$q_med" -v b="$b_med" 'BEGIN { printf "%.2f", q / b }')
echo "start-up to window shown, $runs runs each (ms): quillmark ${q_times[*]}; bare window ${b_times[*]}"
if awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r <= l) }'; then
    verdict="within ${limit}x"
else
    verdict="over ${limit}x"
fi
echo "median: quillmark $q_med ms, bare window $b_med ms, ratio ${ratio}x: $verdict"
[[ $verdict == within* ]]
