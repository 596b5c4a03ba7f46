#!/usr/bin/env bash
# Installs what is missing, builds, and starts Larkspoon.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPOON_BUILD_TESTS=OFF \
      -DLARKSPOON_BUILD_BENCH=OFF -DLARKSPOON_BUILD_FUZZ=OFF
cmake --build "$BUILD"
if [ -x "$BUILD/src/shell/larkspoon" ]; then
    exec "$BUILD/src/shell/larkspoon" "$@"
fi
exec "$BUILD/src/cli/larkspoon-cli" "$@"
