#!/usr/bin/env bash
# Installs what is missing and builds the screensaver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
echo "Built. The screensaver does not draw yet: the window and the ocean come next."
