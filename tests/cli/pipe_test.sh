#!/usr/bin/env bash
# netquill-cli as scripts use it: a reader that stops early, a full disk, and
# the last of 2^31 rows at once.
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
expect "the first row comes first" test "$first" = $'0.0.0.0\t255.255.255.255\t0.0.0.0\t1\t0.0.0.0 to 0.0.0.0\t0.0.0.0\r'

errors=$("$cli" list 10.0.0.0/8 --mask-bits 30 2>&1 >/dev/full)
status=$?
expect "a full disk is status 1" test "$status" -eq 1
expect "and said on stderr" grep -q "could not be written: No space left on device" <<<"$errors"

last=$(timeout 1 "$cli" list 0.0.0.0/1 --mask-bits 32 --from 2147483648 --count 1 --format csv)
expect "the last row at once" test "$last" = $'127.255.255.255,255.255.255.255,0.0.0.0,1,127.255.255.255 to 127.255.255.255,127.255.255.255\r'

echo "$failures failed"
test "$failures" -eq 0
