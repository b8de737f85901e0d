"""Python's ipaddress over two IPv6 lists: what they share (common), what
the first has that the second lacks (except) or what they differ by (diff),
as the fewest blocks: the oracle and the peer that netquill-cli's list sets
are timed against in make bench-peers.
    python3 listsets.py common|except|diff A B"""
import ipaddress
import sys


def merged(path):
    networks = ipaddress.collapse_addresses(ipaddress.IPv6Network(line.strip()) for line in open(path))
    runs = []
    for network in networks:
        first, last = int(network.network_address), int(network.broadcast_address)
        if runs and runs[-1][1] + 1 == first:
            runs[-1][1] = last
        else:
            runs.append([first, last])
    return runs


def points(runs):
    # Each run as the address it starts at and the one after its end.
    for first, last in runs:
        yield first, +1
        yield last + 1, -1


def combined(a, b, keep):
    """The runs where keep(in a, in b) holds, from a sweep over both lists' ends."""
    events = sorted([(at, 0, step) for at, step in points(a)] + [(at, 1, step) for at, step in points(b)])
    inside = [0, 0]
    runs, start = [], None
    for k, (at, side, step) in enumerate(events):
        inside[side] += step
        if k + 1 < len(events) and events[k + 1][0] == at:
            continue
        now = keep(inside[0] > 0, inside[1] > 0)
        if now and start is None:
            start = at
        elif not now and start is not None:
            runs.append((start, at - 1))
            start = None
    return runs


operation = {"common": lambda x, y: x and y, "except": lambda x, y: x and not y, "diff": lambda x, y: x != y}
a, b = merged(sys.argv[2]), merged(sys.argv[3])
out = sys.stdout
for first, last in combined(a, b, operation[sys.argv[1]]):
    for network in ipaddress.summarize_address_range(ipaddress.IPv6Address(first), ipaddress.IPv6Address(last)):
        out.write(f"{network}\n")
