#!/bin/sh
# Mutation testing of player/src with Stryker against reader.test.mjs (tests/README.md); not run by CI.
# Usage: tests/player/mutation.sh [stryker options], e.g. --mutate player/src/zip.js
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
for dir in player tests/player tests/player/mutation; do
  [ -d "$root/$dir/node_modules" ] || (cd "$root/$dir" && npm ci --no-audit --no-fund)
done
cd "$root"
PAGEWIND_MUTATION=1 exec tests/player/mutation/node_modules/.bin/stryker run tests/player/mutation/stryker.config.json "$@"
