#!/usr/bin/env bash
# check-package.sh BUILD_DIR VERSION - makes the Debian package from a built
# tree with CPack, has lintian check it, unpacks it into a temporary root with
# dpkg -x and checks what a user gets: the control fields, exactly the expected
# files, the AppStream metadata in place, and the programs running from there.
# Exit 77 (skipped) without cpack, dpkg-deb, lintian or appstreamcli.
set -euo pipefail
build=$1 version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# gzip rather than xz: the same package, made faster.
(cd "$build" && cpack -G DEB -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip) >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work/out/editzarn_${version}_"*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single editzarn_${version}_*.deb: ${debs[*]}"
deb=${debs[0]}

# Any error or warning fails; an override in the package carries its reason.
# Info tags are not checked (lintian shows them only with --info).
lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = editzarn ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "EditZarn developers <dev@editzarn.example.org>" ] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for package in qt6-qpa-plugins libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends has no $package: $depends"
done

root="$work/root"
dpkg -x "$deb" "$root"
sizes=(16 24 32 48 64 128 256)
expected=(
  usr/bin/editzarn usr/bin/sdxtool
  usr/share/applications/org.example.editzarn.desktop
  usr/share/metainfo/org.example.editzarn.metainfo.xml
  usr/share/mime/packages/editzarn-sdx.xml
  usr/share/doc/editzarn/copyright usr/share/doc/editzarn/changelog.gz
  usr/share/icons/hicolor/scalable/apps/editzarn.svg
  usr/share/man/man1/editzarn.1.gz usr/share/man/man1/sdxtool.1.gz
)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/editzarn.png")
done
# Exactly these files: none missing, none that a user should not get.
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) ||
  fail "the package holds other files than expected (< expected, > packaged)"
for size in "${sizes[@]}"; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/editzarn.png"
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done
for program in editzarn sdxtool; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done
# The metainfo as installed: its desktop entry and icon where a software
# centre looks for them.
out=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1) || fail "appstreamcli validate-tree: $out"
if grep -q '^[EWIP]: ' <<<"$out"; then fail "appstreamcli validate-tree: $out"; fi

# The programs run from the unpacked root, against the system's libraries.
out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/editzarn" --version) || fail "editzarn --version failed"
[ "$out" = "EditZarn $version" ] || fail "editzarn --version: $out"
out=$("$root/usr/bin/sdxtool" --version) || fail "sdxtool --version failed"
[ "$out" = "sdxtool $version" ] || fail "sdxtool --version: $out"
"$root/usr/bin/sdxtool" demo "$work/demo.sdx" >/dev/null || fail "sdxtool demo failed"
out=$("$root/usr/bin/sdxtool" check "$work/demo.sdx") || fail "sdxtool check failed: $out"
[ "$out" = ok ] || fail "sdxtool check: $out"

# Every command sdxtool lists has an entry in its manual page.
page=$(gzip -dc "$root/usr/share/man/man1/sdxtool.1.gz" | sed 's/\\-/-/g')
commands=$("$root/usr/bin/sdxtool" --help | awk '/^commands:/ { on = 1; next } on && /^$/ { exit } on { print $1 }')
[ -n "$commands" ] || fail "sdxtool --help lists no commands"
for command in $commands; do
  grep -Eq "^\.BI \"$command( |\")" <<<"$page" || fail "sdxtool.1 does not document $command"
done
echo "ok: $(basename "$deb"), Depends: $depends"
