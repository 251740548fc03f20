#!/usr/bin/env python3
"""Chooses, with this folder's model, the positions the engine's benches start from, and prints
them as the C++ string literals of engine/bench_positions.cpp. The engine keeps the literal
result; run this only to choose a new suite. Usage: bench_positions.py [--seed S]"""

import argparse
import random

from position import Position, PROMOTED_CODES
import computer
import model

# How many positions of each kind the suite holds, in this order, and what the kind means.
KINDS = [("opening", 4), ("quiet", 4), ("defend", 6), ("win", 4), ("promoted", 6)]
MEANING = {
    "opening": "openings of a few moves",
    "quiet": "middle games, neither side a move from five",
    "defend": "the other side threatens five: the side to move must stop it",
    "win": "the side to move can make five",
    "promoted": "later games with promoted pieces",
}


def wins_now(pos):
    """True when the side to move has a move that makes five."""
    for text in model.all_moves(pos):
        after = pos.copy()
        after.last_move_played = True
        model.play(after, model.judge(after, text)[1])
        if after.winner:
            return True
    return False


def kind_of_position(pos):
    if not model.all_moves(pos):
        return None
    if pos.move_count <= 6:
        return "opening"
    if wins_now(pos):
        return "win"
    other = pos.copy()
    other.side = -pos.side
    if wins_now(other):
        return "defend"
    if any(abs(c) in PROMOTED_CODES for column in pos.board for c in column):
        return "promoted"
    return "quiet"


def next_move(pos, rng):
    """Random moves early and now and then, the standard computer otherwise."""
    if pos.move_count < 4 or rng.random() < 0.25:
        moves = model.all_moves(pos)
        return model.judge(pos, rng.choice(moves))[1] if moves else None
    return computer.choose(pos)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--seed", type=int, default=1)
    args = ap.parse_args()
    rng = random.Random(args.seed)
    wanted = dict(KINDS)
    found = {kind: [] for kind, _ in KINDS}
    while any(len(found[k]) < n for k, n in wanted.items()):
        pos, stop = Position.start(), rng.randint(3, 70)
        while pos.move_count < stop and not pos.winner:
            played = next_move(pos, rng)
            if played is None:
                break
            model.play(pos, played)
        if pos.winner:
            continue
        kind = kind_of_position(pos)
        if kind and len(found[kind]) < wanted[kind]:
            found[kind].append(pos.sfen())
    for kind, _ in KINDS:
        print("    // %s" % MEANING[kind])
        for line in found[kind]:
            print('    "%s",' % line)


if __name__ == "__main__":
    main()
