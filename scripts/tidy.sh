#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file of
# src/, on a build folder configured by CMake (its compile_commands.json).
# Fails on any finding. Usage: bash scripts/tidy.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
if ! command -v run-clang-tidy >/dev/null; then
    echo "clang-tidy is not installed: nothing checked"
    exit 0
fi
# The files moc generates lie in the build folder and are not ours to check.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -p "$build" -quiet -j "$(nproc)" "$root/src/" >"$log" 2>&1 || true
if grep -E "(warning|error): " "$log"; then
    echo "clang-tidy found the problems above"
    exit 1
fi
echo "clang-tidy: no findings"
