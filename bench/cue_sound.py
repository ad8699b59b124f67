"""One row of bench/cue_sound.sh: the cues heard in a recording.
Usage: python3 cue_sound.py RECORDING.wav ASKED PACE_MS"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from real_game import sounds_in  # noqa: E402

lengths = [length for _, length in sounds_in(sys.argv[1])] or [0]
heard = len(lengths) if lengths != [0] else 0
asked = len(open(sys.argv[2]).read().split())
print(f"| {int(sys.argv[3]) / 1000:.1f} | {asked} | {heard} | {sum(n >= 100 for n in lengths)} "
      f"| {statistics.median(lengths):.0f} | {min(lengths)} |")
