#!/usr/bin/env bash
# Installs what is missing, builds, and starts Larkspoon. The program keeps its settings file,
# Larkspoon.ini, in the folder it starts in: the folder this script was started from.
set -euo pipefail
START=$PWD
cd "$(dirname "$0")"
ROOT=$PWD
./scripts/install-deps.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPOON_BUILD_TESTS=OFF \
      -DLARKSPOON_BUILD_BENCH=OFF -DLARKSPOON_BUILD_FUZZ=OFF
cmake --build "$BUILD"
case "$BUILD" in /*) ;; *) BUILD="$ROOT/$BUILD" ;; esac
cd "$START"
if [ -x "$BUILD/src/shell/larkspoon" ]; then
    exec "$BUILD/src/shell/larkspoon" "$@"
fi
exec "$BUILD/src/cli/larkspoon-cli" "$@"
