#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Installs the defaults component into scratch DESTDIRs: someone else's /usr/bin/defaults must
# survive unless the install is forced, and our own may be replaced freely.
set -u
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
install_into() { DESTDIR="$1" cmake --install "$build" --component defaults >"$scratch/log" 2>&1; }

foreign="$scratch/foreign/usr/bin/defaults"
mkdir -p "$(dirname "$foreign")"
printf '#!/bin/sh\necho other defaults\n' >"$foreign"
cp "$foreign" "$scratch/original"

install_into "$scratch/foreign" && fail "installed over a foreign program"
tr -s ' \n' '  ' <"$scratch/log" | grep -q "not Vantel's defaults tool" || fail "no clear message: $(cat "$scratch/log")"
cmp -s "$foreign" "$scratch/original" || fail "the foreign program was changed"

VANTEL_FORCE_DEFAULTS_INSTALL=1 install_into "$scratch/foreign" || fail "forced install failed"
"$foreign" --version | grep -q "Vantel preference tool" || fail "forced install did not replace"

install_into "$scratch/foreign" || fail "reinstalling over our own tool failed: $(cat "$scratch/log")"
install_into "$scratch/fresh" || fail "install on a fresh system failed: $(cat "$scratch/log")"
[ -x "$scratch/fresh/usr/bin/defaults" ] || fail "tool not installed at /usr/bin/defaults"
find "$scratch/fresh" -name defaults.1 | grep -q . || fail "man page not installed"

# Reinstalling while the tool is in use: every run finds a whole tool, the old or the new one.
# A tool being written cannot be run (126), a missing one is not found (127), a torn one may
# crash; other failures (a loaded machine that cannot fork) say nothing about the install.
(
  tool="$scratch/fresh/usr/bin/defaults"
  while [ ! -e "$scratch/stop" ]; do
    for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
      [ -x "$tool" ] || echo missing
    done
    "$tool" --version >/dev/null 2>&1
    status=$?
    [ "$status" -lt 126 ] || echo "status $status"
  done >"$scratch/runs"
) &
for i in 1 2 3 4 5 6 7 8; do
  # As if an older build were installed, so that the install cannot skip the copy. Without -c
  # touch opens the file for writing, and the tool could not be run meanwhile.
  touch -c -d 2001-01-01 "$scratch/fresh/usr/bin/defaults"
  install_into "$scratch/fresh" || { touch "$scratch/stop"; wait; fail "reinstall $i failed"; }
done
touch "$scratch/stop"
wait
[ ! -s "$scratch/runs" ] ||
  fail "runs found no whole tool during a reinstall: $(sort "$scratch/runs" | uniq -c | tr -s ' \n' ' ')"
echo "ok"
