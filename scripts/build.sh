#!/usr/bin/env bash
# Configures and builds one build tree.
# Usage: scripts/build.sh DIR [extra CMake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORANT_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
