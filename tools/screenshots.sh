#!/usr/bin/env bash
# Pictures of the running program under a virtual X display: the main window
# with a filled day in each scope and mode, and every secondary window.
#   tools/screenshots.sh UTKATALOG [BUILD_DIR]
# Runs in $NUTRAVA_KATALOG (default ~/Nutrava), a prepared working directory.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
ut=$(realpath -m "${1:?usage: screenshots.sh UTKATALOG [BUILD_DIR]}")
build=$(realpath "${2:-$src/build/release}")
mkdir -p "$ut"
cd "${NUTRAVA_KATALOG:-$HOME/Nutrava}"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/nutrava-skarmbilder" "$ut"
# The report's pages as pictures, to look at.
if [ -f "$ut/rapport.pdf" ]; then pdftoppm -r 60 -png "$ut/rapport.pdf" "$ut/rapport"; fi
ls "$ut"
