#!/bin/sh
# Mutation testing of the player (player/src) with Stryker: each mutant is one small change to the
# code, run against the player's Node tests (reader.test.mjs; the browser walks take minutes a run).
# A mutant that no test kills is a behaviour without a test. Slow (tens of minutes), so not run by CI.
# Usage: tests/player/mutation.sh [stryker options], e.g. --mutate player/src/zip.js
# Reports: tests/player/mutation/reports/index.html and mutation.json; scores per module on stdout.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
for dir in player tests/player tests/player/mutation; do
  if [ ! -d "$root/$dir/node_modules" ]; then
    (cd "$root/$dir" && npm ci --no-audit --no-fund)
  fi
done
cd "$root"
export PAGEWIND_MUTATION=1
exec tests/player/mutation/node_modules/.bin/stryker run tests/player/mutation/stryker.config.json "$@"
