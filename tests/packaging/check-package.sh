#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root and checks what a user gets:
# the program folder, the command on the PATH, the menu entry, the icons, the
# metadata, the manual pages, the dependencies, hardened binaries, and that
# the unpacked program starts.
#   check-package.sh <build folder>
set -euo pipefail
build=$1
deb=$(ls "$build"/netquill_*_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failures=0
expect() {  # expect <description> <command...>
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

program=$root/usr/lib/netquill
expect "program in its folder" test -x "$program/netquill"
expect "help beside it" test -s "$program/Help/Trevantis Netquill Help.qch"
expect "banner beside it" test -s "$program/TrevantisBanner.jpg"
expect "netquill command links to the program" test "$(readlink "$root/usr/bin/netquill")" = ../lib/netquill/netquill
expect "netquill-cli on the PATH" test -x "$root/usr/bin/netquill-cli"
expect "menu entry" test -s "$root/usr/share/applications/com.trevantis.netquill.desktop"
expect "metadata" test -s "$root/usr/share/metainfo/com.trevantis.netquill.metainfo.xml"
for page in netquill netquill-cli; do
  expect "manual page of $page" bash -c "zcat '$root/usr/share/man/man1/$page.1.gz' | grep -q '^.SH EXIT STATUS\\|^.SH WINDOWS'"
done
expect "scalable icon" test -s "$root/usr/share/icons/hicolor/scalable/apps/com.trevantis.netquill.svg"
for side in 16 22 24 32 48 64 128 256; do
  expect "${side}px icon" test -s "$root/usr/share/icons/hicolor/${side}x${side}/apps/com.trevantis.netquill.png"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6help6 libqt6sql6-sqlite fonts-comic-neue; do
  expect "depends on $package" grep -q "$package" <<<"$depends"
done
expect "program is stripped" bash -c "! file '$program/netquill' | grep -q 'with debug_info'"
# Built with Debian's hardening flags: stack protector, fortified functions,
# full RELRO (read-only relocations and immediate binding), PIE. Control-flow
# marking is not asked: Debian 12's C start files carry none, so no program
# linked on it can.
expect "netquill is hardened" hardening-check --nocfprotection "$program/netquill"
expect "netquill-cli is hardened" hardening-check --nocfprotection "$root/usr/bin/netquill-cli"
expect "netquill-cli links the C++ library as Debian does" bash -c "ldd '$root/usr/bin/netquill-cli' | grep -q libstdc++"

completion=$root/usr/share/bash-completion/completions/netquill-cli
expect "bash completes netquill-cli's commands" test "$(bash -c "source '$completion'; COMP_WORDS=(netquill-cli li); COMP_CWORD=1; _netquill_cli; echo \${COMPREPLY[*]}")" = list
expect "and a command's options" test "$(bash -c "source '$completion'; COMP_WORDS=(netquill-cli list 10.0.0.0/8 --no-h); COMP_CWORD=3; _netquill_cli; echo \${COMPREPLY[*]}")" = --no-header
# A plan file is a document of the desktop: its type, and the program that opens it.
mime=$root/usr/share/mime
expect "the plan file type is registered" bash -c "update-mime-database '$mime' && grep -q 'application/x-netquill-plan' '$mime/globs2' && grep -q '\*.nqplan' '$mime/globs2'"
expect "and opens in netquill" grep -qx 'MimeType=application/x-netquill-plan;' "$root/usr/share/applications/com.trevantis.netquill.desktop"
expect "netquill-cli runs" bash -c "'$root/usr/bin/netquill-cli' calc 10.1.2.3/8 | grep -q 'Network ID       : 10.0.0.0'"

# Started through its command, the program runs until it is stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/netquill" >/dev/null 2>&1
status=$?
set -e
expect "unpacked program starts and keeps running" test "$status" -eq 124

echo "$failures failed"
test "$failures" -eq 0
