#!/usr/bin/env bash
# check_package.sh SOURCE_DIR BUILD_DIR: validates what the Debian package ships, as Debian's
# own tools see it, and runs the CLI out of the package extracted into a temporary folder. It
# never installs the package.
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

desktop-file-validate "$source_dir/packaging/io.github.strikepad.strikepad.desktop" || fail "desktop-file-validate"

# Warnings fail the check as errors do (appstreamcli exits non-zero on either); info and pedantic
# notes do not.
appstreamcli validate --no-net "$build_dir/packaging/io.github.strikepad.strikepad.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }

(cd "$build_dir" && cpack -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(echo "$work"/out/strikepad_*.deb)
[ -f "$deb" ] || fail "no package built"

# lintian exits non-zero on errors; warnings are shown.
lintian --no-tag-display-limit "$deb" 2>/dev/null || fail "lintian reports errors"

dpkg-deb -c "$deb" >"$work/contents"
for file in usr/bin/strikepad usr/bin/strikepad-cli usr/bin/strikepad-launch \
  usr/share/applications/io.github.strikepad.strikepad.desktop usr/share/icons/hicolor/256x256/apps/strikepad.png \
  usr/share/metainfo/io.github.strikepad.strikepad.metainfo.xml usr/lib/udev/rules.d/60-strikepad.rules \
  usr/share/man/man1/strikepad.1.gz usr/share/man/man1/strikepad-cli.1.gz \
  usr/share/bash-completion/completions/strikepad-cli; do
  grep -q " \./$file\$" "$work/contents" || fail "the package lacks /$file"
done
dpkg-deb -I "$deb" postinst | grep -q 'udevadm trigger --subsystem-match=hidraw' || fail "postinst does not trigger hidraw"

root=$work/root
dpkg-deb -x "$deb" "$root"
for page in strikepad strikepad-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $page.1: $warnings"
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q '^NAME' || fail "man -l $page.1 shows nothing"
done

# The CLI out of the package, on a catalogue of its own.
cli=$root/usr/bin/strikepad-cli
"$cli" --version | grep -q "^strikepad-cli " || fail "strikepad-cli --version"
cd "$work"
"$cli" init >/dev/null 2>&1 || fail "strikepad-cli init"
"$cli" add game "Street Fighter IV" 2>/dev/null || fail "strikepad-cli add game"
"$cli" list | grep -qx 'game [0-9]* Street Fighter IV' || fail "strikepad-cli list"

# The completion offers the catalogue's games, through the packaged CLI.
completed=$(PATH="$root/usr/bin:$PATH" bash -c '
  source "$1"
  COMP_WORDS=(strikepad-cli delete game St)
  COMP_CWORD=3
  _strikepad_cli
  printf "%s\n" "${COMPREPLY[@]}"' - "$root/usr/share/bash-completion/completions/strikepad-cli")
[ "$completed" = 'Street\ Fighter\ IV' ] || fail "bash completion offered: $completed"
echo "package checked: $(basename "$deb")"
