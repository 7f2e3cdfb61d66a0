#!/usr/bin/env bash
# Takes the screenshots the README shows: the main window with the curves of four loads, one
# load's range card and a load's editor page, from data/examples/four-loads.vnt, under a virtual X
# server (Xvfb) with a settings store of its own. Needs xvfb, xauth, xdotool and imagemagick:
#   apt-get install -y --no-install-recommends xvfb xauth xdotool imagemagick
# usage: scripts/screenshots.sh [build dir] [output dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
out_dir=${2:-doc/screenshots}
vanto=$(realpath "$build_dir/bin/vanto")
mkdir -p "$out_dir"
out_dir=$(realpath "$out_dir")

if [ -z "${VANTO_SCREENSHOTS_INNER:-}" ]; then
    export VANTO_SCREENSHOTS_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build_dir" "$out_dir"
fi

state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
mkdir -p "$state/Tarvanel"
# A parameter file is a copy of the store: it is the store the program starts on.
cp data/examples/four-loads.vnt "$state/Tarvanel/Vanto4.conf"
export XDG_CONFIG_HOME=$state HOME=$state LC_ALL=C.UTF-8

"$vanto" >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --name "^Vanto v")
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 1; }
shot() { import -window "$window" "$out_dir/$1"; }

# "Compute !" sits at the foot of the left column, the tool box titles at its top.
click 150 $((HEIGHT - 68))
shot graph.png
click 420 45
shot range-card.png
click 330 45
click 100 $((HEIGHT - 181))
shot load-page.png

kill "$pid"
echo "screenshots in $out_dir"
