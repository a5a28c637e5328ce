#!/bin/sh
# run-node-test.sh PLAYER_DIR TEST_DIR TEST_FILE: installs the npm packages where missing, runs one node test file.
set -e
player_dir=$1
test_dir=$2
for dir in "$player_dir" "$test_dir"; do
  if [ ! -d "$dir/node_modules" ]; then
    (cd "$dir" && npm ci --no-audit --no-fund)
  fi
done
cd "$test_dir"
exec node --test "$3"
