#!/usr/bin/env bash
# Starts the program under a virtual X display in the working directory
# ($NUTRAVA_KATALOG, default ~/Nutrava) and saves a PNG of the screen.
#   tools/screenshot.sh OUT.png [BUILD_DIR] [seconds]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-nutrava.png}")
build=${2:-$src/build/release}
wait=${3:-3}
katalog=${NUTRAVA_KATALOG:-$HOME/Nutrava}
cd "$katalog"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$build/nutrava' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid" 
echo "$out"
