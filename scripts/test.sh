#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then runs the whole suite
# again in a build of its own under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && ctest --output-on-failure -j 2)

# The engine's image codec frees with delete[] what it took with malloc: that mismatch is
# the engine's, and so are the allocations it keeps until exit. Leaks of ours are reported.
export ASAN_OPTIONS=alloc_dealloc_mismatch=0:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/engine-leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=ON > /dev/null
cmake --build build-sanitize -j "$(nproc)"
(cd build-sanitize && ctest --output-on-failure -j 2)
