#!/usr/bin/env bash
# Refreshes the translation sources from the code and the forms. Run it after changing a
# user-visible text, then translate the new entries (linguist) and commit the .ts files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
"$lupdate" -no-obsolete -locations none -I . app ballistics loads settings results database tools forms \
    -ts resources/translations/vanto_fr.ts resources/translations/vanto_it.ts
