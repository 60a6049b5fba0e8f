#!/usr/bin/env bash
# Builds and runs every test: once on the embedded database file, once more on a throwaway PostgreSQL
# server (skipped with a message when no server can be started). Screens run on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Tests on the embedded database file"
ctest --test-dir build --output-on-failure -j "$jobs"

pgdir=$(mktemp -d /tmp/vantorel-pg.XXXXXX)
trap 'scripts/pg-test-cluster.sh stop "$pgdir"; rm -rf "$pgdir"' EXIT
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
if conninfo=$(scripts/pg-test-cluster.sh start "$pgdir" "$port"); then
  echo "== Tests on PostgreSQL ($conninfo)"
  VANTOREL_TEST_PG="$conninfo" ctest --test-dir build --output-on-failure -j "$jobs"
else
  echo "!! No PostgreSQL test server could be started; the server run was skipped." >&2
  cat "$pgdir"/*.log >&2 || true
  exit 1
fi
