#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, on 127.0.0.1 in a temporary folder.
#   scripts/pg-test-cluster.sh start DIR PORT   prints the libpq connection string
#   scripts/pg-test-cluster.sh stop DIR
# PostgreSQL refuses to run as root, so the server runs as the postgres user.
set -euo pipefail
cmd=$1 dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
as_pg() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
case "$cmd" in
  start)
    port=${3:-54329}
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
    as_pg "$bin/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    as_pg "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
      -o "-h 127.0.0.1 -p $port -k $dir -c fsync=off -c max_connections=200" start >/dev/null
    echo "host=127.0.0.1 port=$port user=postgres dbname=postgres"
    ;;
  stop)
    as_pg "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
    ;;
esac
