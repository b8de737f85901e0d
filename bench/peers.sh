#!/usr/bin/env bash
# netquill-cli against the command-line calculators people use today, on the
# split of 10.0.0.0/8 into /30s (4,194,304 subnets), in one hyperfine run; then
# the time to the first row and the largest memory of any split.
#   bench/peers.sh [build folder]     (make bench-peers installs the peers)
set -euo pipefail
build=${1:-build}
cli=$(cd "$build" && pwd)/netquill-cli
results=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$results" "$work"' EXIT

hyperfine --warmup 1 --runs 5 --export-json "$results" \
  -n netquill-cli "$cli list 10.0.0.0/8 --mask-bits 30 --format csv > /dev/null" \
  -n sipcalc "sipcalc 10.0.0.0/8 -s 30 > /dev/null" \
  -n ipcalc-ng "ipcalc-ng -S 30 10.0.0.0/8 > /dev/null"

python3 - "$results" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
ours = times["netquill-cli"]
for peer in ("sipcalc", "ipcalc-ng"):
    print(f"netquill-cli is {times[peer] / ours:.1f}x as fast as {peer} ({ours:.3f} s against {times[peer]:.3f} s)")
PY

# First row: the whole command for one row of the largest split, start to exit.
hyperfine --warmup 3 --runs 50 -N -n "first row of 2^31" "$cli list 0.0.0.0/1 --mask-bits 32 --count 1"

for split in "0.0.0.0/1 --mask-bits 32 --count 50000000" "10.0.0.0/8 --mask-bits 30" "192.168.1.0/24 --mask-bits 26"; do
  # shellcheck disable=SC2086
  rss=$(/usr/bin/time -f %M "$cli" list $split --format csv 2>&1 >/dev/null)
  echo "largest memory for list $split: ${rss} KB"
done

# Aggregation: two million random prefixes (fixed seed, /16 to /32) against
# iprange, and against aggregate on the first 20,000 (it is quadratic: the full
# file takes it minutes). Each peer's output must be the same set of blocks.
python3 - "$work" <<'PY'
import random, sys
r = random.Random(2026)
with open(sys.argv[1] + "/prefixes.txt", "w") as f:
    for _ in range(2_000_000):
        bits = r.randint(16, 32)
        a = r.getrandbits(32) & (0xFFFFFFFF << (32 - bits)) & 0xFFFFFFFF
        f.write(f"{a >> 24}.{(a >> 16) & 255}.{(a >> 8) & 255}.{a & 255}/{bits}\n")
PY
head -n 20000 "$work/prefixes.txt" >"$work/small.txt"
"$cli" aggregate "$work/prefixes.txt" >"$work/ours.txt"
iprange "$work/prefixes.txt" | sed '/\//!s/$/\/32/' | cmp -s - "$work/ours.txt" && echo "iprange: the same blocks"
"$cli" aggregate "$work/small.txt" | cmp -s - <(aggregate -q <"$work/small.txt") && echo "aggregate: the same blocks"
hyperfine --warmup 1 --runs 5 --export-json "$results" \
  -n "netquill-cli aggregate" "$cli aggregate $work/prefixes.txt > /dev/null" \
  -n iprange "iprange $work/prefixes.txt > /dev/null"
hyperfine --warmup 1 --runs 3 \
  -n "netquill-cli aggregate (20,000)" "$cli aggregate $work/small.txt > /dev/null" \
  -n "aggregate (20,000)" "aggregate -q < $work/small.txt > /dev/null"
python3 - "$results" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
ours, peer = times["netquill-cli aggregate"], times["iprange"]
print(f"netquill-cli aggregate is {peer / ours:.1f}x as fast as iprange ({ours:.3f} s against {peer:.3f} s, 2,000,000 prefixes)")
PY
