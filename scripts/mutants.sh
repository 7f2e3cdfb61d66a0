#!/usr/bin/env bash
# Mutation check: applies one-line faults to the product, one at a time, rebuilds, runs the whole
# CTest suite and says which faults the suite catches ("killed") and which it lets through
# ("SURVIVED"). A fault whose line is no longer in the code is reported "stale": edit the list.
#
#   scripts/mutants.sh [ID...]        run every mutant of scripts/mutants.list, or only those named
#   MUTANT_DIR=dir scripts/mutants.sh  where the copy of the tree and its build go (build-mutants/)
#   MUTANT_MATRIX=1 scripts/mutants.sh runs the whole suite for each fault and lists, in the report,
#                                      every test function that fails: which tests guard what
#
# The tree is copied (tracked files as they are in the work tree), so the checkout is never
# touched. Each line of the list is   ID | file | the text of one line, or part of it | its fault
# and the text must occur exactly once in the file. Exit status: 0 when every fault was killed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
list=${MUTANT_LIST:-$root/scripts/mutants.list}
work=${MUTANT_DIR:-$root/build-mutants}
src=$work/src
build=$work/build
report=$work/report.txt
mkdir -p "$work"

echo "Copying the tree to $src"
rm -rf "$src"
mkdir -p "$src"
git ls-files -z | xargs -0 cp --parents -t "$src"

build_and_test() {
    cmake --build "$build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || return 2
    if [ -n "${MUTANT_MATRIX:-}" ]; then
        ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300 >"$work/ctest.log" 2>&1 && return 0
        return 1
    fi
    ctest --test-dir "$build" --stop-on-failure --parallel "$(nproc)" --timeout 300 >"$work/ctest.log" 2>&1 || return 1
    return 0
}

cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure.log" 2>&1 ||
    { echo "configure failed: $work/configure.log" >&2; exit 2; }
echo "Building and testing the unchanged tree"
build_and_test || { echo "the unchanged tree does not pass its tests: $work/ctest.log, $work/build.log" >&2; exit 2; }

wanted=" $* "
killed=0 survived=0 stale=0 total=0
: >"$report"
while IFS= read -r line; do
    [[ "$line" =~ ^[[:space:]]*(#|$) ]] && continue
    # Fields are separated by " | ", so a fault may hold "||".
    [[ "$line" =~ ^[[:space:]]*([^[:space:]|]+)[[:space:]]*\|[[:space:]]*([^[:space:]|]+)[[:space:]]*\|\ (.*)\ \|\ (.*)$ ]] ||
        { echo "unreadable line of $list: $line" >&2; exit 2; }
    id=${BASH_REMATCH[1]} file=${BASH_REMATCH[2]} original=${BASH_REMATCH[3]} replacement=${BASH_REMATCH[4]}
    [ $# -gt 0 ] && [[ "$wanted" != *" $id "* ]] && continue
    total=$((total + 1))
    target=$src/$file
    count=$(ORIG="$original" perl -0777 -ne 'my $n = () = /\Q$ENV{ORIG}\E/g; print $n' "$target" 2>/dev/null || echo 0)
    if [ "$count" != 1 ]; then
        result=stale
        stale=$((stale + 1))
    else
        cp "$target" "$work/pristine"
        ORIG="$original" REPL="$replacement" perl -0777 -pi -e 's/\Q$ENV{ORIG}\E/$ENV{REPL}/' "$target"
        build_and_test
        case $? in
        0) result=SURVIVED survived=$((survived + 1)) ;;
        1) result=killed killed=$((killed + 1)) ;;
        *) result="does not build" ;;
        esac
        cp "$work/pristine" "$target"
        touch "$target"
    fi
    printf '%-6s %-14s %s\n' "$id" "$result" "$file: $original -> $replacement" | tee -a "$report"
    if [ -n "${MUTANT_MATRIX:-}" ] && [ "$result" = killed ]; then
        { grep -oE '^FAIL!  : [A-Za-z_]+::[A-Za-z_]+' "$work/ctest.log" | sed 's/^FAIL!  : //' | sort -u
          grep -E '^\s*[0-9]+ - .* \((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' "$work/ctest.log" | sed -E 's/^\s*[0-9]+ - //'
        } | sed 's/^/         /' | tee -a "$report"
    fi
done <"$list"
build_and_test >/dev/null 2>&1 # leave the copy built as it is
echo "killed $killed of $total ($survived survived, $stale stale); report in $report"
[ "$survived" -eq 0 ] && [ "$stale" -eq 0 ]
