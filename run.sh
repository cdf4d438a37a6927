#!/usr/bin/env bash
# Installs what Nutrava needs, builds it, prepares the working directory
# ($NUTRAVA_KATALOG, default ~/Nutrava) and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target nutrava nutrava-import
katalog=${NUTRAVA_KATALOG:-$HOME/Nutrava}
NUTRAVA_BUILD=$PWD/build/release ./tools/prepare-workdir "$katalog"
cd "$katalog"
exec "$OLDPWD/build/release/nutrava"
