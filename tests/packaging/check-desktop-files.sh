#!/usr/bin/env bash
# check-desktop-files.sh DATA_DIR - checks the desktop integration files with
# the tools a desktop system uses on them. Any error, warning or hint fails.
# Exit 77 (skipped) when desktop-file-validate or appstreamcli is not installed.
set -euo pipefail
data=$1
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

id=org.example.editzarn
out=$(desktop-file-validate "$data/$id.desktop" 2>&1) || fail "desktop-file-validate refuses $id.desktop"
[ -z "$out" ] || fail "desktop-file-validate: $out"

# Software centres read the AppStream file; even a pedantic note fails here.
out=$(appstreamcli validate --no-net --pedantic --no-color "$data/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli refuses $id.metainfo.xml: $out"
if grep -q '^[EWIP]: ' <<<"$out"; then fail "appstreamcli: $out"; fi

# The MIME package compiled as the package's trigger compiles it.
if command -v update-mime-database >/dev/null; then
  mkdir -p "$work/mime/packages"
  cp "$data/editzarn-sdx.xml" "$work/mime/packages/"
  out=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1) || fail "update-mime-database refuses editzarn-sdx.xml"
  [ -z "$out" ] || fail "update-mime-database: $out"
  grep -q ':application/x-editzarn-sdx:\*\.sdx$' "$work/mime/globs2" 2>/dev/null ||
    fail "the compiled MIME database has no *.sdx glob for application/x-editzarn-sdx"
fi

if command -v xmllint >/dev/null; then
  xmllint --noout "$data/editzarn-sdx.xml" "$data/editzarn.svg" || fail "xmllint"
fi

if command -v groff >/dev/null; then
  for page in "$data"/*.1; do
    out=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1) || fail "groff refuses $page"
    [ -z "$out" ] || fail "groff on $page: $out"
  done
fi
exit $status
