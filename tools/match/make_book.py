#!/usr/bin/env python3
"""Writes the match tool's opening book: short, varied openings that leave the game level.

Each candidate is 2 to 6 moves from the start position, every move either the standard
computer's choice or a legal move drawn at random (half and half, from a seeded generator).
The strong computer then searches the position to a fixed depth, and the opening is kept only
when no five is in sight and its evaluation lies within the margin of level; positions already
kept are skipped. Everything goes through brenvolt-engine's protocol, so the book is what the
engine itself accepts, and the same seed, depth and margin give the same book.
"""
import argparse
import random
import subprocess
import sys


class Engine:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)

    def send(self, line):
        self.process.stdin.write(line + "\n")

    def read_until(self, prefix):
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                sys.exit("make_book: the engine ended")
            line = line.rstrip("\n")
            lines.append(line)
            if line.startswith(prefix):
                return lines

    def ask(self, command, prefix):
        self.send(command)
        return self.read_until(prefix)

    def quiet(self, command):
        """A command that answers nothing unless it is refused."""
        self.send(command)
        lines = self.ask("isready", "readyok")
        errors = [line for line in lines if "error" in line]
        if errors:
            sys.exit("make_book: " + command + ": " + errors[0])

    def set_up(self, moves):
        self.quiet("position startpos moves " + " ".join(moves) if moves else "position startpos")

    def strongest_level(self):
        """The top of the engine's Level option, as its `usi` answer gives it."""
        for line in self.ask("usi", "usiok"):
            words = line.split()
            if words[:3] == ["option", "name", "Level"] and "max" in words:
                return int(words[words.index("max") + 1])
        sys.exit("make_book: the engine has no Level option")

    def legal_moves(self):
        return self.ask("moves", "moves")[-1].split()[1:]

    def over(self):
        return self.ask("result", "result")[-1] != "result none"

    def choice(self, level):
        self.quiet("setoption name Level value %d" % level)
        return self.ask("go", "bestmove")[-1].split()[1]

    def evaluation(self, depth):
        """The last score of a fixed-depth search, from the mover's view; None for a mate,
        or a move found without searching (a five, or the only answer to one)."""
        self.quiet("setoption name Level value %d" % self.strongest_level())
        lines = self.ask("go depth %d" % depth, "bestmove")
        scores = [line.split() for line in lines if line.startswith("info depth")]
        if not scores:
            return None
        words = scores[-1]
        kind = words[words.index("score") + 1]
        return int(words[words.index("score") + 2]) if kind == "cp" else None

    def position(self):
        return next(line for line in self.ask("d", "turn") if line.startswith("sfen"))


def candidate(engine, rng):
    moves = []
    for _ in range(rng.randint(2, 6)):
        engine.set_up(moves)
        legal = engine.legal_moves()
        if not legal:
            return None
        move = engine.choice(0) if rng.random() < 0.5 else rng.choice(legal)
        if move == "pass":
            return None
        moves.append(move)
        engine.set_up(moves)
        if engine.over():
            return None
    return moves


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("engine", help="the brenvolt-engine program")
    parser.add_argument("--count", type=int, default=100, help="openings to write (100)")
    parser.add_argument("--seed", type=int, default=1, help="the generator's seed (1)")
    parser.add_argument("--depth", type=int, default=6, help="the search depth (6)")
    parser.add_argument("--margin", type=int, default=40,
                        help="the largest evaluation kept, either way (40)")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    engine = Engine(args.engine)
    seen = set()
    kept = []
    tried = 0
    while len(kept) < args.count:
        tried += 1
        moves = candidate(engine, rng)
        if moves is None:
            continue
        engine.set_up(moves)
        where = engine.position()
        if where in seen:
            continue
        seen.add(where)
        score = engine.evaluation(args.depth)
        if score is not None and abs(score) <= args.margin:
            kept.append((moves, score))
    engine.send("quit")

    print("# Openings for brenvolt-match --book: one a line, moves from the start position.")
    print("# Made by tools/match/make_book.py: 2 to 6 moves, each the standard computer's choice")
    print("# or a random legal move, kept when the top level's search to depth %d scores the"
          % args.depth)
    print("# position within %d cp of level for the side to move (the score follows each line);"
          % args.margin)
    print("# %d kept of %d tried. Remake it with:" % (len(kept), tried))
    print("#   tools/match/make_book.py build/engine/brenvolt-engine --count %d --seed %d "
          "--depth %d --margin %d > tools/match/openings.txt"
          % (args.count, args.seed, args.depth, args.margin))
    for moves, score in kept:
        print("%-40s # %+d" % (" ".join(moves), score))


if __name__ == "__main__":
    main()
