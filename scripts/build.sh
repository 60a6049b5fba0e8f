#!/usr/bin/env bash
# Installs what is missing and builds into build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR=ON
cmake --build build
