#!/bin/sh
# Runs clang-tidy with .clang-tidy over the program's sources (or the files given),
# using the compile commands of a configured build (build/ unless BUILD says another).
# Slow (seconds a file), so it is not part of the test command.
set -e
cd "$(dirname "$0")/.."
build=${BUILD:-build}
[ -f "$build/compile_commands.json" ] || { echo "Configure $build first (cmake -S . -B $build)"; exit 2; }
if [ $# -eq 0 ]; then
    set -- $(git ls-files '*.cpp' | grep -v -E '^(tests|bench|tools)/')
fi
exec clang-tidy -p "$build" --quiet "$@"
