#!/usr/bin/env bash
# Start-up time: from starting the process to its main window being mapped on
# a private X server, for Quillmark and for a bare Qt window, alternating runs.
# The X server's own MapNotify event marks the moment (time_to_window), so no
# polling takes processor time from the program being measured. Both run
# with a session bus of their own, as on a desktop: without one, every Qt
# program starts dbus-launch to find one, and that is what would be measured.
# The verdict follows the medians: the script fails when Quillmark takes more
# than LIMIT (default 1.5) times as long as the bare window.
# Usage: bash bench/startup.sh <build-dir>
set -uo pipefail

dir=${1:?usage: startup.sh <build-dir>}
runs=${RUNS:-11}
limit=${LIMIT:-1.5}
quillmark=$dir/bin/quillmark
bare=$dir/bin/bench_bare_window
timer=$dir/bin/time_to_window
for f in "$quillmark" "$bare" "$timer"; do
    [[ -x $f ]] || { echo "startup.sh: $f is not built (configure with -DQUILLMARK_BENCH=ON)" >&2; exit 1; }
done
command -v Xvfb >/dev/null && command -v dbus-daemon >/dev/null \
    || { echo "startup.sh: needs Xvfb and dbus-daemon (scripts/setup --test)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-startup.XXXXXX")
xvfb_pid=""
bus_pid=""
cleanup() {
    [[ -n $bus_pid ]] && kill "$bus_pid" 2>/dev/null
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
{ read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid; } \
    < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
[[ -n $bus_pid ]] || { echo "startup.sh: no session bus" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS

# The program runs from its own folder with a settings file naming a mission folder.
mkdir -p "$work/app" "$work/mission"
cp "$quillmark" "$work/app/quillmark"
printf '"%s"\r\n' "$work/mission" >"$work/app/Varnholt.ini"

# Milliseconds from start to the window named $1 being mapped.
time_to_window() {
    local title=$1
    shift
    local ms
    if ! ms=$("$timer" "$title" "$@" 2>"$work/stderr"); then
        sed 's/^/  /' "$work/stderr" >&2
        return 1
    fi
    echo "$ms"
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
