#!/usr/bin/env bash
# The menu entry and the AppStream metadata as written: both valid, the
# metadata naming every program the package installs and showing exactly
# the screenshots the README shows; and the manual's facts that the code holds.
#   check-metadata.sh <source folder>
set -euo pipefail
source=$1
packaging=$source/packaging
metainfo=$packaging/com.trevantis.netquill.metainfo.xml

failures=0
expect() {  # expect <description> <command...>
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

expect "desktop entry is valid" desktop-file-validate "$packaging/com.trevantis.netquill.desktop"
expect "metadata is valid" appstreamcli validate --no-net "$metainfo"
binaries=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo" | sort | tr '\n' ' ')
expect "metadata provides netquill and netquill-cli" test "$binaries" = "netquill netquill-cli "
shown=$(sed -n 's|.*<image>.*/\([^/]*\.png\)</image>.*|\1|p' "$metainfo" | sort | tr '\n' ' ')
readme=$(grep -o 'docs/screenshots/[^)]*\.png' "$source/README.md" | xargs -n1 basename | sort | tr '\n' ' ')
expect "metadata shows the README's screenshots" test "$shown" = "$readme"
for screenshot in $shown; do
  expect "$screenshot is in docs/screenshots" test -s "$source/docs/screenshots/$screenshot"
done
# The manual names the registries' date the address types come from.
registries=$(sed -n 's|.*kSpecialPurposeRegistriesDate = "\(.*\)";|\1|p' "$source/core/address/addresstype.h")
expect "the manual names the registries' date of the code, $registries" \
  grep -q "as updated on $registries" "$packaging/man/netquill-cli.1.scd"

echo "$failures failed"
test "$failures" -eq 0
