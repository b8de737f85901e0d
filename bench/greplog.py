"""A log of LINES lines (fixed seed) and a list of BLOCKS pattern blocks of
both families, for netquill-cli grep against grepcidr in make bench-peers.
The log's addresses stand in the dressings both tools read alike (after a
key, before a port, in brackets); about half the lines match.
    python3 greplog.py LINES BLOCKS FOLDER"""
import ipaddress
import random
import sys

lines, blocks, folder = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
r = random.Random(5)
sites4 = [r.getrandbits(16) for _ in range(64)]
sites6 = [r.getrandbits(32) for _ in range(64)]


def v4():
    return str(ipaddress.IPv4Address((r.choice(sites4) << 16) | r.getrandbits(16)))


def v6():
    return str(ipaddress.IPv6Address((0x2001 << 112) | (r.choice(sites6) << 80) | r.getrandbits(80)))


with open(f"{folder}/patterns.txt", "w") as f:
    for k in range(blocks):
        if k % 2:
            bits = r.randint(22, 32)
            a = ((r.choice(sites4) << 16) | r.getrandbits(16)) & (0xFFFFFFFF << (32 - bits)) & 0xFFFFFFFF
            f.write(f"{ipaddress.IPv4Address(a)}/{bits}\n")
        else:
            bits = r.randint(56, 128)
            a = (0x2001 << 112) | (r.choice(sites6) << 80) | r.getrandbits(80)
            f.write(f"{ipaddress.IPv6Address(a & (((1 << 128) - 1) ^ ((1 << (128 - bits)) - 1)))}/{bits}\n")
forms = [
    lambda: f"sshd[{r.randint(100, 99999)}]: Failed password for root from {v4()} port {r.randint(1024, 65535)} ssh2",
    lambda: f"kernel: IN=eth0 OUT= SRC={v4()} DST={v4()} LEN=60 PROTO=TCP SPT={r.randint(1, 65535)} DPT=443",
    lambda: f"nginx: {v4()} - - \"GET /index.html HTTP/1.1\" 200 {r.randint(100, 99999)} \"-\" \"curl/8.5\"",
    lambda: f"envoy: upstream connect [{v6()}]:443 reset after {r.randint(1, 999)} ms",
    lambda: f"dhcp: lease addr={v6()}, iaid={r.getrandbits(32)} valid",
    lambda: f"app: request from client {v4()} took {r.randint(1, 999)}ms status=ok",
]
with open(f"{folder}/log.txt", "w") as f:
    for k in range(lines):
        f.write(f"2026-12-08T0{r.randint(0, 9)}:{r.randint(10, 59)}:{r.randint(10, 59)}Z host{k % 97} "
                f"{r.choice(forms)()}\n")
