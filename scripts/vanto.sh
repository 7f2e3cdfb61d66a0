#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/vanto.sh run         installs what is missing, builds, and starts Vanto
#   scripts/vanto.sh test        installs what is missing, then runs the three test legs:
#                                  1. the normal build and the whole test suite (CTest)
#                                  2. the sanitizer build (AddressSanitizer, leaks included, and
#                                     UndefinedBehaviorSanitizer) and the whole suite again
#                                  3. the fuzz targets, built with clang and libFuzzer, each for a
#                                     bounded time (scripts/fuzz.sh; FUZZ_TIME seconds, default 60)
#                                A leg that fails does not stop the others; the summary lists them.
#   scripts/vanto.sh test-quick  installs what is missing, then runs the first leg only
# The build goes to build/ (override with BUILD_DIR); the build tree is a runnable installation
# (build/bin/vanto with its translations/, db/ and doc/ beside it). The sanitizer build goes to
# build-asan/ (ASAN_BUILD_DIR), the fuzz build to build-fuzz/ (FUZZ_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${BUILD_DIR:-$root/build}
asan_build_dir=${ASAN_BUILD_DIR:-$root/build-asan}

packages=(build-essential cmake qtbase5-dev libqt5sql5-sqlite libqwt-qt5-dev qttools5-dev qttools5-dev-tools
          qttranslations5-l10n fonts-dejavu-core)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes, llvm-symbolizer for the stacks.
test_packages=(clang libclang-rt-14-dev llvm-14)

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

# The steps are chained with &&: inside "leg || status=$?" the shell does not stop on errors.
build() {
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}

normal_leg() {
    build && ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
}

sanitizer_leg() {
    cmake -S "$root" -B "$asan_build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTO_SANITIZE=ON &&
        cmake --build "$asan_build_dir" --parallel "$(nproc)" &&
        ctest --test-dir "$asan_build_dir" --output-on-failure --parallel "$(nproc)"
}

fuzz_leg() {
    "$root/scripts/fuzz.sh"
}

# Runs the legs one after the other, times them, and fails at the end if one of them failed.
run_legs() {
    local failed=() summary=() leg start status
    for leg in "$@"; do
        echo "==== ${leg%_leg} leg"
        start=$SECONDS
        status=0
        "$leg" || status=$?
        summary+=("$(printf '%-10s %-6s %4d s' "${leg%_leg}" "$([ $status -eq 0 ] && echo ok || echo FAILED)" $((SECONDS - start)))")
        [ $status -eq 0 ] || failed+=("${leg%_leg}")
    done
    echo "==== summary"
    printf '%s\n' "${summary[@]}"
    [ ${#failed[@]} -eq 0 ] || { echo "failed legs: ${failed[*]}" >&2; return 1; }
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$build_dir/bin/vanto"
    ;;
test)
    packages+=("${test_packages[@]}")
    install_missing
    run_legs normal_leg sanitizer_leg fuzz_leg
    ;;
test-quick)
    install_missing
    run_legs normal_leg
    ;;
*)
    echo "usage: $0 run|test|test-quick" >&2
    exit 2
    ;;
esac
