#!/usr/bin/env bash
# Builds, makes a demo data folder when none exists, and starts the program.
# Usage: scripts/run.sh [--data-folder DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
data="${XDG_DATA_HOME:-$HOME/.local/share}/Vantorel"
if [ "${1:-}" = "--data-folder" ] && [ -n "${2:-}" ]; then data="$2"; fi
if [ ! -e "$data/Vantorel.vtd" ]; then
  build/tools/vantorel-admin/vantorel-admin create --demo "$data"
fi
exec build/src/vantorel --data-folder "$data"
