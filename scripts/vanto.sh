#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/vanto.sh run    installs what is missing, builds, and starts Vanto
#   scripts/vanto.sh test   installs what is missing, builds, and runs the whole test suite
# The build goes to build/ (override with BUILD_DIR); the build tree is a runnable installation
# (build/bin/vanto with its translations/, db/ and doc/ beside it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${BUILD_DIR:-$root/build}

packages=(build-essential cmake qtbase5-dev libqt5sql5-sqlite libqwt-qt5-dev qttools5-dev qttools5-dev-tools
          qttranslations5-l10n fonts-dejavu-core)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$build_dir/bin/vanto"
    ;;
test)
    install_missing
    build
    ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
