#!/usr/bin/env bash
# Sets everything up and runs EditZarn on a copy of the bundled demo database
# (the tracked sample is never modified).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps"
"$root/scripts/build" build/release Release

work=$(mktemp -d)
cp "$root/samples/demo.sdx" "$work/demo.sdx"
echo "Working copy: $work/demo.sdx"
exec "$root/build/release/src/app/editzarn" "$work/demo.sdx"
