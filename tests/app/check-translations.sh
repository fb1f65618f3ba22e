#!/usr/bin/env bash
# check-translations.sh SOURCE_DIR LUPDATE - fails when a translation file is
# not up to date with the code (lupdate would add or drop an entry) or holds
# an entry that is not finished.
set -euo pipefail
root=$1
export LUPDATE=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/translations/*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  "$root/scripts/update-translations" "$work/$name" >/dev/null
  if ! diff -u "$ts" "$work/$name"; then
    echo "FAIL: $name is not up to date with the code: run scripts/update-translations and translate" >&2
    status=1
  fi
  if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/$name"; then
    echo "FAIL: $name has entries that are not finished" >&2
    status=1
  fi
done
exit $status
