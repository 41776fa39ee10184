#!/usr/bin/env bash
# Checks the Debian packages of both editions as a new machine would get
# them: each unpacks into a scratch root (dpkg -x) with its programs, the
# edition's language files, fonts, test patterns, samples, desktop entry and
# icons; it depends on the libraries it links; and its installed
# command-line tool runs from there on a pattern the package carries.
# Then what an administrator expects of it: lintian finds nothing, the udev
# rule and the service unit are right (systemd-analyze verify), the service's
# user is made by the maintainer scripts, --version names the package's
# version, the manual pages are the programs' help, bash completion works,
# and the AppStream file validates.
#   package_test.sh DEB_DIR
set -euo pipefail
debs=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=debian_checks.sh
source "$here/debian_checks.sh"

for package in pelvane orvanta; do
  deb=$(ls "$debs"/${package}_*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || { fail "$package: no package in $debs"; continue; }
  [ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "$package: wrong package name"
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6network6 libqt6svg6 libcairo2 libusb-1.0-0 libc6; do
    grep -q "$lib" <<<"$depends" || fail "$package: Depends lacks $lib ($depends)"
  done
  dest=$root/$package
  dpkg -x "$deb" "$dest"
  window=Pelvane; qm=DLL_EN.qm; other=Dll4_EN.qm
  [ $package = orvanta ] && { window=Orvanta; qm=Dll4_EN.qm; other=DLL_EN.qm; }
  for f in usr/lib/$package/$window usr/lib/$package/$package-cli usr/lib/$package/$qm \
           usr/share/$package/fonts/fon_hz.bin usr/share/$package/fonts/fon_en.bin \
           usr/share/$package/TestPlt/100x100.plt usr/share/$package/samples/shirt.plt \
           usr/share/applications/$package.desktop usr/share/icons/hicolor/scalable/apps/$package.svg \
           usr/share/icons/hicolor/48x48/apps/$package.png usr/share/icons/hicolor/256x256/apps/$package.png; do
    [ -e "$dest/$f" ] || fail "$package: $f missing"
  done
  [ ! -e "$dest/usr/lib/$package/$other" ] || fail "$package: carries the other edition's $other"
  [ "$(readlink "$dest/usr/bin/$package-cli")" = "../lib/$package/$package-cli" ] || fail "$package: /usr/bin/$package-cli"
  [ -L "$dest/usr/bin/$package" ] || fail "$package: /usr/bin/$package"
  grep -q "^Exec=$package" "$dest/usr/share/applications/$package.desktop" || fail "$package: desktop Exec"

  check_debian "$package" "$deb" "$dest" "$window"

  # The installed tool reads a pattern of its own package.
  home=$root/$package-home
  if out=$("$dest/usr/bin/$package-cli" --home "$home" read "$dest/usr/share/$package/TestPlt/100x100.plt" 2>&1); then
    grep -q '"curves"' <<<"$out" || fail "$package: read printed no curves: $out"
  else
    fail "$package: the installed $package-cli failed: $out"
  fi
done

if [ $failures -eq 0 ]; then echo "packages: all checks passed"; else echo "packages: $failures failed"; exit 1; fi
