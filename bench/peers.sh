#!/usr/bin/env bash
# netquill-cli against the command-line calculators people use today (and
# iprange 2.1.1 for IPv6 lists, built from ../shared/peers when present), on the
# split of 10.0.0.0/8 into /30s (4,194,304 subnets), in one hyperfine run; then
# the time to the first row and the largest memory of any split.
#   bench/peers.sh [build folder]     (make bench-peers installs the peers)
set -euo pipefail
build=${1:-build}
cli=$(cd "$build" && pwd)/netquill-cli
results=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$results" "$results".* "$work"' EXIT

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

# Aggregation: two million random prefixes (fixed seed, /16 to /32), and two
# million where /24s dominate (four in five, as in blocklists), against
# iprange, and against aggregate on the first 20,000 (it is quadratic: the
# full file takes it minutes). Each peer's output must be the same set of blocks.
python3 - "$work" <<'PY'
import random, sys
for name, seed, share24 in (("prefixes", 2026, 0.0), ("slash24s", 24, 0.8)):
    r = random.Random(seed)
    with open(f"{sys.argv[1]}/{name}.txt", "w") as f:
        for _ in range(2_000_000):
            bits = 24 if r.random() < share24 else r.randint(16, 32)
            a = r.getrandbits(32) & (0xFFFFFFFF << (32 - bits)) & 0xFFFFFFFF
            f.write(f"{a >> 24}.{(a >> 16) & 255}.{(a >> 8) & 255}.{a & 255}/{bits}\n")
PY
head -n 20000 "$work/prefixes.txt" >"$work/small.txt"
"$cli" aggregate "$work/prefixes.txt" >"$work/ours.txt"
iprange "$work/prefixes.txt" | sed '/\//!s/$/\/32/' | cmp -s - "$work/ours.txt" && echo "iprange: the same blocks"
"$cli" aggregate "$work/small.txt" | cmp -s - <(aggregate -q <"$work/small.txt") && echo "aggregate: the same blocks"
iprange "$work/slash24s.txt" | sed '/\//!s/$/\/32/' | cmp -s - <("$cli" aggregate "$work/slash24s.txt") &&
  echo "iprange: the same blocks (/24s)"
hyperfine --warmup 1 --runs 5 --export-json "$results" \
  -n "netquill-cli aggregate" "$cli aggregate $work/prefixes.txt > /dev/null" \
  -n iprange "iprange $work/prefixes.txt > /dev/null" \
  -n "netquill-cli aggregate (/24s)" "$cli aggregate $work/slash24s.txt > /dev/null" \
  -n "iprange (/24s)" "iprange $work/slash24s.txt > /dev/null"
hyperfine --warmup 1 --runs 3 \
  -n "netquill-cli aggregate (20,000)" "$cli aggregate $work/small.txt > /dev/null" \
  -n "aggregate (20,000)" "aggregate -q < $work/small.txt > /dev/null"
python3 - "$results" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
ours, peer = times["netquill-cli aggregate"], times["iprange"]
print(f"netquill-cli aggregate is {peer / ours:.1f}x as fast as iprange ({ours:.3f} s against {peer:.3f} s, 2,000,000 prefixes)")
ours, peer = times["netquill-cli aggregate (/24s)"], times["iprange (/24s)"]
print(f"netquill-cli aggregate is {peer / ours:.1f}x as fast as iprange ({ours:.3f} s against {peer:.3f} s, 2,000,000 prefixes, /24s dominating)")
PY

# Both families in one list: two million lines (fixed seed), 1.5 million IPv4
# prefixes /16-/32 and 0.5 million IPv6 prefixes /24-/128 under a few thousand
# /32 sites, against iprange on the IPv4 part and Python's
# ipaddress.collapse_addresses on the IPv6 part; then two million IPv6
# prefixes alone (the IPv6 part four times over).
python3 - "$work" <<'PY'
import ipaddress, random, sys
r = random.Random(2026)
sites = [r.getrandbits(32) for _ in range(3000)]
with open(sys.argv[1] + "/mixed.txt", "w") as both, open(sys.argv[1] + "/mixed4.txt", "w") as v4, \
     open(sys.argv[1] + "/mixed6.txt", "w") as v6:
    for k in range(2_000_000):
        if k % 4 != 3:
            bits = r.randint(16, 32)
            a = r.getrandbits(32) & (0xFFFFFFFF << (32 - bits)) & 0xFFFFFFFF
            line = f"{a >> 24}.{(a >> 16) & 255}.{(a >> 8) & 255}.{a & 255}/{bits}\n"
            v4.write(line)
        else:
            bits = r.randint(24, 128)
            a = (0x2001 << 112) | (r.choice(sites) << 80) | r.getrandbits(80)
            a &= ((1 << 128) - 1) ^ ((1 << (128 - bits)) - 1)
            line = f"{ipaddress.IPv6Address(a)}/{bits}\n"
            v6.write(line)
        both.write(line)
PY
cat "$work/mixed6.txt" "$work/mixed6.txt" "$work/mixed6.txt" "$work/mixed6.txt" >"$work/ipv6.txt"
cat >"$work/collapse.py" <<'PY'
import ipaddress, sys
for network in ipaddress.collapse_addresses(ipaddress.IPv6Network(line.strip()) for line in open(sys.argv[1])):
    print(network)
PY
"$cli" aggregate "$work/mixed.txt" >"$work/ours-mixed.txt"
iprange "$work/mixed4.txt" | sed '/\//!s/$/\/32/' | cmp -s - <("$cli" aggregate --family 4 "$work/mixed.txt") &&
  echo "iprange: the same IPv4 blocks"
python3 "$work/collapse.py" "$work/mixed6.txt" | cmp -s - <("$cli" aggregate --family 6 "$work/mixed.txt") &&
  echo "Python ipaddress: the same IPv6 blocks"
hyperfine --warmup 1 --runs 3 --export-json "$results" \
  -n "netquill-cli aggregate (both families)" "$cli aggregate $work/mixed.txt > /dev/null" \
  -n "iprange (IPv4 part)" "iprange $work/mixed4.txt > /dev/null" \
  -n "netquill-cli aggregate (IPv6 part)" "$cli aggregate $work/mixed6.txt > /dev/null" \
  -n "Python collapse_addresses (IPv6 part)" "python3 $work/collapse.py $work/mixed6.txt > /dev/null" \
  -n "netquill-cli aggregate (2,000,000 IPv6)" "$cli aggregate $work/ipv6.txt > /dev/null"
rss=$(/usr/bin/time -f %M "$cli" aggregate "$work/ipv6.txt" 2>&1 >/dev/null)
echo "largest memory for aggregate of 2,000,000 IPv6 prefixes: ${rss} KB"

# The first iprange that merges IPv6 (2.1.1; Debian ships 1.0.4), built from
# the source kept beside the project into the temporary folder, never into
# the product; on two million IPv6 prefixes spread over the whole space.
peer_source=$(cd "$(dirname "$0")/../.." && pwd)/shared/peers/iprange-2.1.1
if [ -d "$peer_source" ]; then
  cmake -S "$peer_source" -B "$work/iprange" -DCMAKE_BUILD_TYPE=Release >/dev/null &&
    cmake --build "$work/iprange" --parallel >/dev/null
  python3 - "$work" <<'PY'
import ipaddress, random, sys
r = random.Random(7)
with open(sys.argv[1] + "/spread6.txt", "w") as f:
    for _ in range(2_000_000):
        bits = r.randint(24, 128)
        f.write(f"{ipaddress.IPv6Address(r.getrandbits(128) & ((1 << 128) - (1 << (128 - bits))))}/{bits}\n")
PY
  "$work/iprange/iprange" -6 "$work/spread6.txt" | sed '/\//!s/$/\/128/' | cmp -s - <("$cli" aggregate "$work/spread6.txt") &&
    echo "iprange 2.1.1: the same IPv6 blocks"
  hyperfine --warmup 1 --runs 3 --export-json "$results.spread" \
    -n "netquill-cli aggregate (2,000,000 IPv6, spread)" "$cli aggregate $work/spread6.txt > /dev/null" \
    -n "iprange 2.1.1 -6 (2,000,000 IPv6, spread)" "$work/iprange/iprange -6 $work/spread6.txt > /dev/null"
  python3 - "$results.spread" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
ours, peer = times["netquill-cli aggregate (2,000,000 IPv6, spread)"], times["iprange 2.1.1 -6 (2,000,000 IPv6, spread)"]
print(f"2,000,000 spread IPv6 prefixes in {ours:.3f} s: {peer / ours:.1f}x as fast as iprange 2.1.1 ({peer:.3f} s)")
PY
fi

# An IPv6 split streamed: ten million /64s of 2001:db8::/32 against the first
# million that sipcalc and ipcalc-ng enumerate, compared per row.
hyperfine --warmup 1 --runs 3 --export-json "$results.list" \
  -n "netquill-cli list (10,000,000 /64)" "$cli list 2001:db8::/32 --mask-bits 64 --count 10000000 --format csv > /dev/null" \
  -n "sipcalc (1,000,000 /64)" "sipcalc 2001:db8::/32 -S 64 | head -n 2000004 > /dev/null" \
  -n "ipcalc-ng (1,000,000 /64)" "ipcalc-ng -S 64 2001:db8::/32 | head -n 1000001 > /dev/null"
python3 - "$results" "$results.list" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for f in sys.argv[1:] for r in json.load(open(f))["results"]}
both, v4 = times["netquill-cli aggregate (both families)"], times["iprange (IPv4 part)"]
print(f"aggregate of both families in {both:.3f} s, iprange on the IPv4 part alone {v4:.3f} s ({v4 / both:.2f}x)")
ours6, python6 = times["netquill-cli aggregate (IPv6 part)"], times["Python collapse_addresses (IPv6 part)"]
print(f"IPv6 part: {python6 / ours6:.0f}x as fast as Python ({ours6:.3f} s against {python6:.3f} s)")
print(f"2,000,000 IPv6 prefixes aggregated in {times['netquill-cli aggregate (2,000,000 IPv6)']:.3f} s")
ours = times["netquill-cli list (10,000,000 /64)"] / 10_000_000
for peer in ("sipcalc", "ipcalc-ng"):
    theirs = times[f"{peer} (1,000,000 /64)"] / 1_000_000
    print(f"IPv6 list: {theirs / ours:.1f}x as fast per row as {peer} ({ours * 1e9:.0f} ns against {theirs * 1e9:.0f} ns)")
PY

# Lists as sets: two lists of two million lines each (fixed seed), both
# families (three IPv4 prefixes /16-/32 to one IPv6 prefix /40-/128 under a
# few thousand sites), half of the second list's lines the first's.
# common, except and diff of both families against iprange on the IPv4 parts
# and Python's ipaddress on the IPv6 parts, each answer compared; then the
# largest memory.
python3 - "$work" <<'PY'
import ipaddress, random, sys
r = random.Random(29)
sites = [r.getrandbits(32) for _ in range(3000)]
def line():
    if r.random() < 0.75:
        bits = r.randint(16, 32)
        a = r.getrandbits(32) & (0xFFFFFFFF << (32 - bits)) & 0xFFFFFFFF
        return f"{a >> 24}.{(a >> 16) & 255}.{(a >> 8) & 255}.{a & 255}/{bits}\n"
    bits = r.randint(40, 128)
    a = (0x2001 << 112) | (r.choice(sites) << 80) | r.getrandbits(80)
    return f"{ipaddress.IPv6Address(a & (((1 << 128) - 1) ^ ((1 << (128 - bits)) - 1)))}/{bits}\n"
first = [line() for _ in range(2_000_000)]
second = r.sample(first, 1_000_000) + [line() for _ in range(1_000_000)]
for name, lines in (("setA", first), ("setB", second)):
    with open(f"{sys.argv[1]}/{name}.txt", "w") as both, open(f"{sys.argv[1]}/{name}4.txt", "w") as v4, \
         open(f"{sys.argv[1]}/{name}6.txt", "w") as v6:
        for text in lines:
            both.write(text)
            (v6 if ":" in text else v4).write(text)
PY
sets=(common except diff)
for operation in "${sets[@]}"; do
  # iprange's blocks are compared as sets of addresses: its --diff does not always print the fewest.
  { iprange "$work/setA4.txt" "--$operation" "$work/setB4.txt" || true; } | "$cli" aggregate >"$work/theirs4.txt"
  { "$cli" "$operation" "$work/setA4.txt" "$work/setB4.txt" || true; } | cmp -s - "$work/theirs4.txt" &&
    echo "iprange --$operation: the same IPv4 addresses"
  python3 "$(dirname "$0")/listsets.py" "$operation" "$work/setA6.txt" "$work/setB6.txt" |
    cmp -s - <("$cli" "$operation" "$work/setA6.txt" "$work/setB6.txt" || true) &&
    echo "Python ipaddress $operation: the same IPv6 blocks"
done
runs=()
for operation in "${sets[@]}"; do
  runs+=(-n "netquill-cli $operation (both families)" "$cli $operation $work/setA.txt $work/setB.txt > /dev/null || true"
         -n "netquill-cli $operation (IPv4 part)" "$cli $operation $work/setA4.txt $work/setB4.txt > /dev/null || true"
         -n "iprange --$operation (IPv4 part)" "iprange $work/setA4.txt --$operation $work/setB4.txt > /dev/null || true"
         -n "netquill-cli $operation (IPv6 part)" "$cli $operation $work/setA6.txt $work/setB6.txt > /dev/null || true")
done
hyperfine --warmup 1 --runs 5 --export-json "$results.sets" "${runs[@]}"
# Python takes half a minute an operation: one run each.
runs=()
for operation in "${sets[@]}"; do
  runs+=(-n "Python $operation (IPv6 part)"
         "python3 $(dirname "$0")/listsets.py $operation $work/setA6.txt $work/setB6.txt > /dev/null")
done
hyperfine --runs 1 --export-json "$results.python" "${runs[@]}"
python3 - "$results.sets" "$results.python" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for f in sys.argv[1:] for r in json.load(open(f))["results"]}
for operation in ("common", "except", "diff"):
    both = times[f"netquill-cli {operation} (both families)"]
    ours4, v4 = times[f"netquill-cli {operation} (IPv4 part)"], times[f"iprange --{operation} (IPv4 part)"]
    ours6, v6 = times[f"netquill-cli {operation} (IPv6 part)"], times[f"Python {operation} (IPv6 part)"]
    print(f"{operation}: both families {both:.3f} s; IPv4 part {v4 / ours4:.1f}x as fast as iprange "
          f"({ours4:.3f} s against {v4:.3f} s); IPv6 part {v6 / ours6:.0f}x as fast as Python "
          f"({ours6:.3f} s against {v6:.3f} s)")
PY
for operation in "${sets[@]}"; do
  rss=$({ /usr/bin/time -f %M "$cli" "$operation" "$work/setA.txt" "$work/setB.txt" >/dev/null || true; } 2>&1 | tail -n 1)
  echo "largest memory for $operation of two lists of 2,000,000 lines: ${rss} KB"
done

# grep: a log of five million lines (about 500 MB, both families, fixed seed)
# against 50,000 blocks of both families, beside grepcidr on the same files;
# the lines must be the same.
python3 "$(dirname "$0")/greplog.py" 5000000 50000 "$work"
"$cli" grep -f "$work/patterns.txt" "$work/log.txt" | cmp -s - <(grepcidr -f "$work/patterns.txt" "$work/log.txt") &&
  echo "grepcidr: the same lines"
hyperfine --warmup 1 --runs 5 --export-json "$results.grep" \
  -n "netquill-cli grep" "$cli grep -f $work/patterns.txt $work/log.txt > /dev/null" \
  -n grepcidr "grepcidr -f $work/patterns.txt $work/log.txt > /dev/null"
python3 - "$results.grep" <<'PY'
import json, sys
times = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
ours, peer = times["netquill-cli grep"], times["grepcidr"]
print(f"grep of 5,000,000 log lines against 50,000 blocks: {peer / ours:.1f}x as fast as grepcidr "
      f"({ours:.3f} s against {peer:.3f} s)")
PY
rss=$(/usr/bin/time -f %M "$cli" grep -f "$work/patterns.txt" "$work/log.txt" 2>&1 >/dev/null)
echo "largest memory for grep of 5,000,000 log lines: ${rss} KB"

# The floor: a minimal program for each job (bench/floor), written only for
# it, built here in the temporary folder and never into the product, with
# byte for byte the same output; netquill-cli beside it on one core
# (taskset -c 0) and on every core. The set commands' floor is the
# aggregate floor run on each list.
floor=$(dirname "$0")/floor
cc -O2 -o "$work/floor-aggregate" "$floor/aggregate.c"
cc -O2 -o "$work/floor-grep" "$floor/grep.c"
"$work/floor-aggregate" "$work/prefixes.txt" | cmp -s - "$work/ours.txt" && echo "the aggregate floor: the same blocks"
"$work/floor-grep" "$work/patterns.txt" "$work/log.txt" | cmp -s - <("$cli" grep -f "$work/patterns.txt" "$work/log.txt") &&
  echo "the grep floor: the same lines"
runs=(-n "floor aggregate" "$work/floor-aggregate $work/prefixes.txt > /dev/null"
      -n "aggregate, one core" "taskset -c 0 $cli aggregate $work/prefixes.txt > /dev/null"
      -n "aggregate, every core" "$cli aggregate $work/prefixes.txt > /dev/null"
      -n "floor grep" "$work/floor-grep $work/patterns.txt $work/log.txt > /dev/null"
      -n "grep, one core" "taskset -c 0 $cli grep -f $work/patterns.txt $work/log.txt > /dev/null"
      -n "grep, every core" "$cli grep -f $work/patterns.txt $work/log.txt > /dev/null"
      -n "floor sets" "$work/floor-aggregate $work/setA4.txt > /dev/null; $work/floor-aggregate $work/setB4.txt > /dev/null")
for operation in "${sets[@]}"; do
  runs+=(-n "$operation, one core" "taskset -c 0 $cli $operation $work/setA4.txt $work/setB4.txt > /dev/null || true"
         -n "$operation, every core" "$cli $operation $work/setA4.txt $work/setB4.txt > /dev/null || true")
done
hyperfine --warmup 1 --runs 5 --export-json "$results.floor" "${runs[@]}"
python3 - "$results.floor" <<'PY'
import json, sys
times = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
for job, floor, what in (("aggregate", "floor aggregate", "2,000,000 IPv4 prefixes"),
                         ("grep", "floor grep", "5,000,000 log lines"),
                         ("common", "floor sets", "two lists of IPv4 prefixes"),
                         ("except", "floor sets", "two lists of IPv4 prefixes"),
                         ("diff", "floor sets", "two lists of IPv4 prefixes")):
    one, every, least = times[f"{job}, one core"], times[f"{job}, every core"], times[floor]
    print(f"{job} of {what}: one core {one:.3f} s, {one / least:.2f}x the floor ({least:.3f} s); "
          f"every core {every:.3f} s, {one / every:.2f}x as fast as one")
PY
