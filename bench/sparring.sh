#!/bin/sh
# The master measured against an engine other people wrote: plays the brain against Rapfi through
# ../shared/sparring/match when that is there (nothing otherwise; no build or test depends on it) and
# prints the share of the points with its 95 % interval, the games by who begins and any loss on time.
#   bench/sparring.sh [games 40] [size 15] [ms a move 1000]      (BRAIN=path to use another brain)
# Two engines share the machine's cores: other work running meanwhile disturbs the figures.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
match=${SPARRING:-$root/../shared/sparring/match}
if [ ! -x "$match" ]; then
    echo "no sparring partner at $match: nothing measured"
    exit 0
fi
brain=${BRAIN:-}
for b in "$root/build/release/brain/pbrain-splotchery" "$root/build/release/brain/splotchery-brain"; do
    if [ -z "$brain" ] && [ -x "$b" ]; then brain=$b; fi
done
[ -n "$brain" ] || { echo "build the brain first (cmake --build build/release --target splotchery-brain)"; exit 1; }
out=$(mktemp -d)
OUT=$out "$match" "$brain" "${1:-40}" "${2:-15}" "${3:-1000}"
python3 - "$out/games.sgf" <<'PY'
import math, re, sys
text = open(sys.argv[1]).read()
games = re.findall(r"PB\[(\w+)\]PW\[(\w+)\]RE\[([^\]]*)\](?:TE\[([^\]]*)\])?", text)
tally = {"first": [0, 0, 0], "second": [0, 0, 0]}  # won, lost, drawn
forfeits = 0
for black, white, result, why in games:
    role = "first" if black == "brain" else "second"
    winner = black if result.startswith("B+") else white if result.startswith("W+") else None
    tally[role][2 if winner is None else 0 if winner == "brain" else 1] += 1
    forfeits += "time" in (why or "") and winner != "brain"
n = len(games)
if not n:
    sys.exit("no games played")
points = [1.0] * sum(t[0] for t in tally.values()) + [0.5] * sum(t[2] for t in tally.values())
points += [0.0] * (n - len(points))
mean = sum(points) / n
sd = math.sqrt(sum((p - mean) ** 2 for p in points) / max(n - 1, 1))
half = 1.96 * sd / math.sqrt(n)
print(f"brain against Rapfi, {n} games: {100 * mean:.1f} % of the points "
      f"(95 % interval {100 * max(0, mean - half):.1f} to {100 * min(1, mean + half):.1f} %)")
for role, (w, l, d) in tally.items():
    print(f"  brain plays {role}: won {w}, lost {l}, drawn {d}")
print(f"  games the brain lost on time: {forfeits}")
PY
