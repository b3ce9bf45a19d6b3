#!/bin/sh
# Builds the program and starts it (under Xvfb when there is no display).
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-run -j"$(nproc)" --target sociogram
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build-run/bin/sociogram
fi
exec build-run/bin/sociogram
