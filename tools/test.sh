#!/bin/sh
# Builds everything and runs every test: the core and window tests offscreen, the
# real-window tests under Xvfb. With --sanitize the same suite runs a second time
# in a build with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DSOCIOGRAM_WERROR=ON
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure -j2)
if [ "$1" = "--sanitize" ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSOCIOGRAM_WERROR=ON -DSOCIOGRAM_SANITIZE=ON -DSOCIOGRAM_BENCHMARKS=OFF
    cmake --build build-asan -j"$(nproc)"
    # Leak detection stays on; tools/lsan.supp holds the third-party leaks (the test
    # definitions pass it too).
    (cd build-asan && LSAN_OPTIONS=suppressions="$PWD/../tools/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2)
fi
