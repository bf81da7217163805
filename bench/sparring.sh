#!/bin/sh
# The master measured against an engine other people wrote: plays the brain against Rapfi through
# ../shared/sparring/match when that is there (nothing otherwise; no build or test depends on it) and
# prints the share of the points with its 95 % interval, the games by who begins and any loss on time.
#   bench/sparring.sh [games 40] [size 15] [ms a move 1000]      (BRAIN=path to use another brain)
# Two engines share the machine's cores: other work running meanwhile disturbs the figures.
# BRAIN=../shared/sparring/rapfi/pbrain-rapfi-quiet plays Rapfi against itself: what the openings leave to
# each side at its strength (on the default openings, 1 s a move, the side that moves second lost all 20).
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
python3 - "$out/stdout.txt" <<'PY'
import math, re, sys
# Each game's result for the brain is the step of the manager's running score after it ("Score of brain
# vs rapfi: W - L - D"); the engine named first in "Finished game N (a vs b)" moves first after the opening.
tally = {"first": [0, 0, 0], "second": [0, 0, 0]}  # won, lost, drawn
before, role, forfeit, forfeits, points = [0, 0, 0], None, False, 0, []
for line in open(sys.argv[1]):
    finished = re.search(r"Finished game \d+ \((\w+) vs", line)
    if finished:
        role, forfeit = ("first" if finished.group(1) == "brain" else "second"), "forfeit" in line
    score = re.search(r"Score of brain vs \w+: (\d+) - (\d+) - (\d+)", line)
    if score and role:
        now = [int(v) for v in score.groups()]
        k = [now[i] - before[i] for i in range(3)].index(1)
        tally[role][k] += 1
        points.append((1.0, 0.0, 0.5)[k])
        forfeits += forfeit and k == 1
        before, role = now, None
n = len(points)
if not n:
    sys.exit("no games played")
mean = sum(points) / n
sd = math.sqrt(sum((p - mean) ** 2 for p in points) / max(n - 1, 1))
half = 1.96 * sd / math.sqrt(n)
print(f"brain against Rapfi, {n} games: {100 * mean:.1f} % of the points "
      f"(95 % interval {100 * max(0, mean - half):.1f} to {100 * min(1, mean + half):.1f} %)")
for role, (w, l, d) in tally.items():
    print(f"  brain moves {role}: won {w}, lost {l}, drawn {d}")
print(f"  games the brain lost by a forfeit: {forfeits}")
PY
