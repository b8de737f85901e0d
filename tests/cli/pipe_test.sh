#!/usr/bin/env bash
# netquill-cli as scripts use it: a reader that stops early, a full disk, the
# last of 2^32 rows at once, input from /dev/zero, and values printed by one
# command read by the others.
#   pipe_test.sh <netquill-cli>
set -uo pipefail
cli=$1
failures=0
expect() {  # expect <description> <command...>
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

first=$("$cli" list 0.0.0.0/1 --mask-bits 32 | head -n 2 | tail -n 1)
status=${PIPESTATUS[0]}
expect "head ends a 2^31-row listing with status 0" test "$status" -eq 0
expect "the first row comes first, ended by LF" test "$first" = $'0.0.0.0\t255.255.255.255\t0.0.0.0\t1\t0.0.0.0 to 0.0.0.0\t0.0.0.0'

errors=$("$cli" list 10.0.0.0/8 --mask-bits 30 2>&1 >/dev/full)
status=$?
expect "a full disk is status 3" test "$status" -eq 3
expect "and said on stderr" grep -q "could not be written: No space left on device" <<<"$errors"

last=$("$cli" list 0.0.0.0/0 --mask-bits 32 --from 4294967296 --count 1 --format csv --no-header)
expect "the last row of 2^32 on its own" test "$last" = '255.255.255.255,255.255.255.255,0.0.0.0,1,255.255.255.255 to 255.255.255.255,255.255.255.255'

errors=$(timeout 2 "$cli" aggregate /dev/zero 2>&1 >/dev/null)
status=$?
expect "/dev/zero stops at once with status 2" test "$status" -eq 2
expect "at its first line" test "$errors" = "netquill-cli: /dev/zero:1: line longer than 4096 bytes"

log=$(mktemp)
printf 'a 10.0.0.1\n' >"$log"
"$cli" grep 10.0.0.0/8 "$log" >>"$log" 2>/dev/null
status=$?
expect "grep refuses a FILE that is its output (status 2) and leaves it" test "$status" -eq 2 -a "$(wc -l <"$log")" -eq 1
# Addresses joined by colons in one long run: each address is found once the run is read.
yes 10.0.0.1 | head -c 4000000 | tr '\n' ':' >"$log"
expect "a long run of addresses is read in time linear in its length" \
  test "$(timeout 20 "$cli" grep -o 10.0.0.0/8 "$log" | wc -l)" -ge 400000
rm -f "$log"

# What one command prints, the others read.
network=$("$cli" calc 10.1.2.3/8 | awk -F': ' '/Network ID/{print $2}')
expect "calc's network ID reads back as an address" test "$("$cli" range "$network" "$network")" = "10.0.0.0/32"
blocks=$("$cli" range 10.0.0.5 10.0.0.17)
expect "range's blocks aggregate to themselves" test "$("$cli" aggregate <<<"$blocks")" = "$blocks"
subnet=$("$cli" list 10.0.0.0/8 --mask-bits 16 --from 3 --count 1 --format csv --no-header | cut -d, -f1,2)
expect "list's subnet and mask plan again" test "$("$cli" plan "${subnet%,*}/${subnet#*,}" --format json | grep -c '"subnet_address":"10.2.0.0"')" = 1
merged=$("$cli" aggregate --ranges - <<<"$blocks")
expect "aggregate's range reads back as a range" test "$("$cli" range "$merged")" = "$blocks"

echo "$failures failed"
test "$failures" -eq 0
