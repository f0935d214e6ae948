#!/usr/bin/env bash
# Drives the built program from outside, as a user would: a private X server,
# a private D-Bus session with the accessibility bus, and a Python script that
# finds the controls by their accessible names.
# Usage: run_e2e.sh path/to/quillmark
set -uo pipefail

bin=${1:?usage: run_e2e.sh path/to/quillmark}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-e2e.XXXXXX")
pids=()

cleanup() {
    local p
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null
    done
    for p in "${pids[@]}"; do
        wait "$p" 2>/dev/null
    done
    [[ -n "${DBUS_SESSION_BUS_PID:-}" ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Debian's own interpreter carries pyatspi; another python3 may come first on PATH.
python=/usr/bin/python3
[[ -x $python ]] || python=$(command -v python3)
# Without the tools the journeys cannot run: CTest reports them skipped.
for tool in Xvfb dbus-launch xdotool xprop xwininfo openbox "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: missing $tool (scripts/setup --test installs it)" >&2
        exit 77
    fi
done
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher ]] || launcher=/usr/lib/at-spi2-core/at-spi-bus-launcher

display=""
for d in $(seq 91 160); do
    if [[ ! -e /tmp/.X11-unix/X$d && ! -e /tmp/.X$d-lock ]]; then
        display=$d
        break
    fi
done
if [[ -z $display ]]; then
    echo "no free X display" >&2
    echo "0 passed, 1 failed"
    exit 1
fi

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [[ -S /tmp/.X11-unix/X$display ]] && break
    sleep 0.1
done
if [[ ! -S /tmp/.X11-unix/X$display ]]; then
    cat "$work/xvfb.log" >&2
    echo "0 passed, 1 failed"
    exit 1
fi
export DISPLAY=":$display"

eval "$(dbus-launch --sh-syntax)"
export DBUS_SESSION_BUS_ADDRESS
"$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
sleep 0.5

# A settings file in the user's own config folder must not stand in for a missing one.
export XDG_CONFIG_HOME=$work/config
# Drafts go to a state folder of the run's own.
export XDG_STATE_HOME=$work/state
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM

# Each script prints its own "N passed, N failed" last; the closing line adds
# them up over every journey.
passed=0
failed=0
for script in test_create_files.py test_editing_journey.py test_preview_journey.py test_drafts_journey.py \
    test_window_manager.py wm/test_preview_journey.py; do
    # The last journeys need a window manager; the others run without one.
    # A window manager is what would hand the keyboard to the preview as it
    # opens, so its journey runs again there, in a folder of its own.
    if [[ $script == test_window_manager.py ]]; then
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        pids+=($!)
        sleep 1
    fi
    folder=$work
    if [[ $script == wm/* ]]; then
        script=${script#wm/}
        folder=$work/wm
        mkdir -p "$folder"
    fi
    timeout 120 "$python" "$here/$script" "$bin" "$here/../data/e2e" "$folder" | tee "$work/$script.log"
    status=${PIPESTATUS[0]}
    counts=$(tail -n 1 "$work/$script.log")
    if [[ $counts =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
        ((status != 0 && BASH_REMATCH[2] == 0)) && failed=$((failed + 1))
    else
        echo "FAIL $script ended without its counts (exit status $status)"
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
((failed == 0))
