#!/bin/sh
# run-node-test.sh PLAYER_DIR TEST_DIR TEST_FILE: installs the npm packages where missing or out of
# date, runs one node test file.
set -e
player_dir=$1
test_dir=$2
# Installed again when the lock file is newer than the last install (a dependency was added).
for dir in "$player_dir" "$test_dir"; do
  if [ ! -d "$dir/node_modules" ] || [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
    (cd "$dir" && npm ci --no-audit --no-fund)
  fi
done
cd "$test_dir"
exec node --test "$3"
