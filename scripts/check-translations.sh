#!/usr/bin/env bash
# Fails when a user-visible text of the code or the forms has no French or Italian translation,
# or when a translation file still carries texts the program no longer shows.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp resources/translations/vanto_fr.ts resources/translations/vanto_it.ts "$work/"
"$lupdate" -silent -locations none -I . app ballistics loads settings results database tools forms \
    -ts "$work/vanto_fr.ts" "$work/vanto_it.ts"
status=0
for ts in "$work"/vanto_*.ts; do
    name=$(basename "$ts")
    missing=$(grep -c 'type="unfinished"' "$ts" || true)
    stale=$(grep -c 'type="vanished"\|type="obsolete"' "$ts" || true)
    if [ "$missing" != 0 ] || [ "$stale" != 0 ]; then
        echo "$name: $missing text(s) without translation, $stale text(s) no longer shown"
        grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20 || true
        status=1
    else
        echo "$name: complete"
    fi
done
exit $status
