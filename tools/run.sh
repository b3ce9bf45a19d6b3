#!/bin/sh
# Builds the program and starts it (under Xvfb when there is no display).
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target sociogram
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/bin/sociogram
fi
exec build/bin/sociogram
