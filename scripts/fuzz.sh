#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and UndefinedBehaviorSanitizer
# included) into build-fuzz/, then fuzzes each target for a bounded time, one after the other.
#
#   scripts/fuzz.sh [TARGET...]     TARGET: parameterfile, coefficientlist, engine (default: all)
#
# Each target works in build-fuzz/fuzz-runs/<target>/: a corpus that starts as a copy of the
# seeds in fuzz/corpus/<target>/ and keeps what earlier runs found (the repository's seeds never
# grow by themselves), the log, and the reproducer of a failure. The script fails when a target
# crashes, breaks one of its promises, leaks, runs out of time on one input or out of memory,
# and says where the reproducer is.
#
# Environment:
#   FUZZ_BUILD_DIR      build folder (build-fuzz)
#   FUZZ_TIME           seconds of fuzzing per target (60)
#   FUZZ_INPUT_TIMEOUT  seconds one input may take before it counts as a hang (30: the engine's
#                       slowest bounded computation, four loads that never reach the line of
#                       sight, takes about 20 s under the sanitizers and coverage)
#   FUZZ_RSS_LIMIT_MB   memory limit of a fuzzing process (2560)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}
fuzz_time=${FUZZ_TIME:-60}
input_timeout=${FUZZ_INPUT_TIMEOUT:-30}
rss_limit=${FUZZ_RSS_LIMIT_MB:-2560}

all_targets=(parameterfile coefficientlist engine)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
for target in "${targets[@]}"; do
    case " ${all_targets[*]} " in
    *" $target "*) ;;
    *)
        echo "fuzz.sh: unknown target '$target' (targets: ${all_targets[*]})" >&2
        exit 2
        ;;
    esac
done

for tool in clang clang++; do
    command -v "$tool" > /dev/null || { echo "fuzz.sh: $tool is missing (Debian packages clang, libclang-rt-14-dev)" >&2; exit 2; }
done

CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTO_FUZZ=ON > /dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

# The same sanitizer options as the tests of the sanitizer build (see the top-level CMakeLists.txt).
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    run_dir=$build_dir/fuzz-runs/$target
    mkdir -p "$run_dir/corpus" "$run_dir/artifacts"
    cp -n "$root/fuzz/corpus/$target/"* "$run_dir/corpus/" 2> /dev/null || true
    # Only this run's findings are reported.
    rm -f "$run_dir/artifacts/"*
    # The private folders of processes that crash stay behind: keep them here, not in /tmp.
    rm -rf "$run_dir/tmp"
    mkdir -p "$run_dir/tmp"
    options=(-max_total_time="$fuzz_time" -timeout="$input_timeout" -rss_limit_mb="$rss_limit"
             -artifact_prefix="$run_dir/artifacts/" -print_final_stats=1)
    case $target in
    parameterfile) options+=(-max_len=4096 -dict="$root/fuzz/parameterfile.dict") ;;
    *) options+=(-max_len=1024) ;;
    esac
    echo "== fuzz_$target: ${fuzz_time} s (log: $run_dir/log.txt)"
    status=0
    TMPDIR=$run_dir/tmp "$build_dir/fuzz/fuzz_$target" "${options[@]}" "$run_dir/corpus" > "$run_dir/log.txt" 2>&1 || status=$?
    if [ $status -eq 0 ]; then
        grep -E '^(stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)' "$run_dir/log.txt" | tr '\n' ' '
        echo
        continue
    fi
    failed+=("$target")
    echo "== fuzz_$target FAILED (exit status $status):"
    # What broke: the target's own message, or the sanitizer's or libFuzzer's report.
    grep -m1 'broken promise:' "$run_dir/log.txt" ||
        grep -m1 -A8 -E 'ERROR: |runtime error:' "$run_dir/log.txt" ||
        tail -n 20 "$run_dir/log.txt"
    echo "   (the whole report: $run_dir/log.txt)"
    for artifact in "$run_dir/artifacts/"*; do
        [ -e "$artifact" ] || continue
        echo "== reproducer: $artifact"
        echo "   replay:     $build_dir/fuzz/fuzz_$target $artifact   (VANTO_FUZZ_VERBOSE=1 prints the decoded input)"
        echo "   keep it:    cp $artifact $root/fuzz/regressions/$target/<what-it-shows>"
    done
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failures in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: no failures"
