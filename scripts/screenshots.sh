#!/usr/bin/env bash
# Takes the screenshots the manuals show, in English, French and Italian: the main window (graph,
# a load's page, a range card), the bullet selector, the custom database manager, the BC tool, the
# kill-zone dialog and a printed card. The window test that checks every text in the three
# languages leaves them (offscreen, with a settings store of its own); the printed card comes as a
# PDF, drawn to a picture here. Needs pdftoppm (poppler-utils).
# usage: scripts/screenshots.sh [build dir] [output dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
out_dir=${2:-doc/screenshots}
mkdir -p "$out_dir"
out_dir=$(realpath "$out_dir")

state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
mkdir -p "$state/config" "$state/home"
XDG_CONFIG_HOME=$state/config HOME=$state/home QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    VANTO_SCREENSHOTS="$state/shots" "$build_dir/bin/tst_window" textsFitTheirWidgets >/dev/null

for lang in en fr it; do
    mkdir -p "$out_dir/$lang"
    for name in graph load-page range-card dbselector custodbmanager bcfromvfinder killzonesetter; do
        cp "$state/shots/$lang/$name.png" "$out_dir/$lang/$name.png"
    done
    pdftoppm -r 50 -png -singlefile "$state/shots/$lang/printed-card.pdf" "$out_dir/$lang/printed-card"
done
echo "screenshots in $out_dir"
