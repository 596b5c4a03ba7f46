#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test. Fails on any test failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD=${BUILD_DIR:-build-test}
COMPILER=$(command -v clang++ || command -v g++)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$COMPILER" \
      -DCMAKE_CXX_FLAGS="-O1 -g" -DLARKSPOON_SANITIZE=ON
cmake --build "$BUILD"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
