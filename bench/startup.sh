#!/usr/bin/env bash
# Start-up time and idle memory of Mosavo against a bare Qt Widgets window of the same size that
# shows one label.
#
#   bench/startup.sh [-n N] [-d DISPLAY_SIZE] [-c OTHER_MOSAVO] [BUILD_DIR]
#
# Starts Mosavo and BareWindow (bench/BareWindow.cpp) in turn, N times each (default 15), on a
# private Xvfb display (default 1920x1080x24) with no window manager, and prints the median time
# from starting the process to its window being mapped, both medians' ratio, the median resident
# memory of each one second after its window appeared, and the CPU time each had had when its
# window mapped (the steadier figure on a shared machine). One unmeasured start of each comes
# first, so that both meet warm caches. With -c, another build of the program (say, of the main
# branch) takes its turn as well, for a before and after in one run.
#
# The moment of the map is the X server's own MapNotify event, which MapTimer (bench/MapTimer.cpp)
# waits for on the root window before it starts the program. Mosavo runs from a copy in a
# temporary folder, with a private lock folder, so neither a running game nor the options file in
# the build folder interferes.
set -euo pipefail

runs=15
screen=1920x1080x24
other=
while getopts "n:d:c:" option; do
    case $option in
    n) runs=$OPTARG ;;
    d) screen=$OPTARG ;;
    c) other=$(realpath "$OPTARG") ;;
    *) echo "usage: $0 [-n N] [-d WxHxDEPTH] [-c OTHER_MOSAVO] [BUILD_DIR]" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
build=$(realpath "${1:-$(dirname "$0")/../build}")
for tool in Xvfb; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
for program in "$build/Mosavo" "$build/bench/BareWindow" "$build/bench/MapTimer"; do
    [ -x "$program" ] || { echo "$0: $program is missing; build the Mosavo, BareWindow and MapTimer targets" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/game" "$work/other" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/Mosavo" "$work/game/Mosavo"
[ -z "$other" ] || cp "$other" "$work/other/Mosavo"
export XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=xcb

# A free display number, chosen by the server itself.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$display_fd" display_number || { echo "$0: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display_number

# Starts a program, waits for its first window's map and, a second later, its memory; appends
# "label seconds kB cpu-seconds" to the results and keeps the window's name and size.
measure() {
    local label=$1 seconds rss cpu
    shift
    read -r seconds rss cpu window_size window_name < <("$build/bench/MapTimer" "$@" 2>>"$work/program.log")
    echo "$label $seconds $rss $cpu" >>"$work/results"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

column_of() {
    awk -v label="$1" -v column="$2" '$1 == label { print $column }' "$work/results"
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# The bare window takes the size of Mosavo's window on this display.
measure warmup "$work/game/Mosavo"
mosavo_name=$window_name
mosavo_size=$window_size
width=${mosavo_size%x*}
height=${mosavo_size#*x}
label="Press [F5] to load a picture."
measure warmup "$build/bench/BareWindow" "$width" "$height" "$label"
[ "$window_size" = "$mosavo_size" ] || { echo "$0: bare window is $window_size, not $mosavo_size" >&2; exit 1; }

[ -z "$other" ] || measure warmup "$work/other/Mosavo"

for ((run = 0; run < runs; ++run)); do
    measure mosavo "$work/game/Mosavo"
    [ "$window_name" = "$mosavo_name" ] || { echo "$0: mapped \"$window_name\", not Mosavo's window" >&2; exit 1; }
    measure bare "$build/bench/BareWindow" "$width" "$height" "$label"
    if [ -n "$other" ]; then
        measure other "$work/other/Mosavo"
        [ "$window_name" = "$mosavo_name" ] || { echo "$0: mapped \"$window_name\", not Mosavo's window" >&2; exit 1; }
    fi
done

mosavo_cpu=$(column_of mosavo 4 | median)
bare_cpu=$(column_of bare 4 | median)
mosavo_time=$(column_of mosavo 2 | median)
bare_time=$(column_of bare 2 | median)
mosavo_rss=$(column_of mosavo 3 | median)
bare_rss=$(column_of bare 3 | median)

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "machine: $(nproc) x $cpu; load average before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg)"
echo "display: Xvfb $screen, no window manager; windows ${mosavo_size} (\"$mosavo_name\" and the bare window with the label \"$label\"); $runs starts each, interleaved; map times from MapNotify"
printf 'Mosavo:      start to window median %.4f s (min %.4f, max %.4f); idle resident memory median %.1f MiB\n' \
    "$mosavo_time" "$(column_of mosavo 2 | sort -g | head -1)" "$(column_of mosavo 2 | sort -g | tail -1)" \
    "$(echo "$mosavo_rss / 1024" | bc -l)"
printf 'bare window: start to window median %.4f s (min %.4f, max %.4f); idle resident memory median %.1f MiB\n' \
    "$bare_time" "$(column_of bare 2 | sort -g | head -1)" "$(column_of bare 2 | sort -g | tail -1)" \
    "$(echo "$bare_rss / 1024" | bc -l)"
printf 'ratio Mosavo / bare window: start to window %.2f, idle resident memory %.2f\n' \
    "$(echo "$mosavo_time / $bare_time" | bc -l)" "$(echo "$mosavo_rss / $bare_rss" | bc -l)"
printf 'CPU time of all threads until the map, medians: Mosavo %.4f s, bare window %.4f s, ratio %.2f\n' \
    "$mosavo_cpu" "$bare_cpu" "$(echo "$mosavo_cpu / $bare_cpu" | bc -l)"
if [ -n "$other" ]; then
    other_time=$(column_of other 2 | median)
    other_cpu=$(column_of other 4 | median)
    printf 'other Mosavo (%s): start to window median %.4f s, ratio to the bare window %.2f; CPU until the map %.4f s, ratio %.2f; idle resident memory median %.1f MiB\n' \
        "$other" "$other_time" "$(echo "$other_time / $bare_time" | bc -l)" "$other_cpu" \
        "$(echo "$other_cpu / $bare_cpu" | bc -l)" "$(echo "$(column_of other 3 | median) / 1024" | bc -l)"
fi
