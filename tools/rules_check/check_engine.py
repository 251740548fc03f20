#!/usr/bin/env python3
"""Plays seeded random positions through brenvolt-engine and compares every answer with the
rules model of this folder. Usage: check_engine.py ENGINE [--games N] [--sfen N] [--seed S]"""

import argparse
import random
import subprocess
import sys

from position import (Position, SENTE, GOTE, EMPTY, START_HAND, piece_code, square_text,
                      LETTERS, PROMOTABLE_KINDS, kind_of)
import model
import computer
import setups


class Engine:
    def __init__(self, path):
        self.proc = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True, bufsize=1)

    def ask(self, commands):
        """Sends the commands and returns the lines they printed, up to a readyok."""
        self.proc.stdin.write("\n".join(commands + ["isready"]) + "\n")
        self.proc.stdin.flush()
        lines = []
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise RuntimeError("engine ended")
            line = line.rstrip("\n")
            if line == "readyok":
                return lines
            lines.append(line)

    def close(self):
        self.proc.stdin.write("quit\n")
        self.proc.stdin.close()
        self.proc.wait()


class Tally:
    def __init__(self, limit):
        self.positions = 0
        self.answers = 0
        self.disagreements = []
        self.limit = limit
        self.seen = {}

    def compare(self, where, command, expected, got, detail=""):
        self.answers += 1
        word = command.split()[0]
        kind = word + (":" + expected if word in ("check", "result", "score", "position") else "")
        self.seen[kind] = self.seen.get(kind, 0) + 1
        if expected != got:
            self.disagreements.append((where, command, expected, got))
            if len(self.disagreements) <= self.limit:
                print("DISAGREE at %s\n  %s\n  expected: %s\n  engine:   %s"
                      % (where, command, expected[:300], got[:300]), flush=True)
                if detail:
                    print("  " + detail[:300])


def move_text(played):
    (sx, sy), (X, Y), moving, placed = played
    if sx in (-1, 11):
        from position import kind_of
        head = LETTERS[kind_of(moving) - 1] + "*"
    else:
        head = square_text(sx, sy)
    return head + square_text(X, Y) + ("+" if placed != moving else "")


def refused_samples(pos, rng, n):
    """Move texts that are mostly not playable: random sources, drops and promotions."""
    out = []
    sq = lambda: square_text(rng.randint(1, 9), rng.randint(1, 9))
    for _ in range(n):
        r = rng.random()
        if r < 0.45:
            own = [(x, y) for x in range(1, 10) for y in range(1, 10)
                   if model.own(pos.side, pos.board[x][y])]
            src = square_text(*rng.choice(own)) if own and rng.random() < 0.8 else sq()
            out.append(src + sq() + ("+" if rng.random() < 0.3 else ""))
        elif r < 0.9:
            out.append(rng.choice(LETTERS) + "*" + sq())
        else:
            out.append(rng.choice(["p*5e", "5e", "P*5e+", "5e5e5", "9a9j", "P*0e", "K*5e5"]))
    return out


def compare_position(engine, tally, pos, setup, rng, where, score_sample):
    late_refusals = []
    expected_moves = model.all_moves(pos, late_refusals)
    probes = list(expected_moves) + late_refusals + refused_samples(pos, rng, 25)
    scored = rng.sample(expected_moves, min(score_sample, len(expected_moves)))
    commands = [setup, "moves"] + ["check " + m for m in probes] + ["result", "go"]
    commands += ["score " + m for m in scored]
    lines = engine.ask(commands)
    tally.positions += 1
    if len(lines) != len(commands) - 1:
        tally.compare(where, setup, "%d answer lines" % (len(commands) - 1),
                      "%d lines: %s" % (len(lines), " | ".join(lines[:3])))
        return expected_moves
    answers = iter(lines)
    tally.compare(where, "moves", " ".join(["moves"] + expected_moves), next(answers))
    for m in probes:
        verdict, _ = model.judge(pos, m)
        want = "ok" if verdict == "ok" else "refused " + verdict
        tally.compare(where, "check " + m, want, next(answers))
    winner = {0: "none", SENTE: "b", GOTE: "w"}[pos.winner]
    tally.compare(where, "result", "result " + winner, next(answers))
    choice = computer.choose(pos.copy())
    tally.compare(where, "go", "bestmove " + (move_text(choice) if choice else "pass"),
                  next(answers))
    refused = [m for m in probes if model.judge(pos, m)[0] not in ("ok", "syntax")]
    if refused:
        # A refused move at the end of a position command leaves the position as it was.
        m = rng.choice(refused)
        verdict = model.judge(pos, m)[0]
        words = setup.split()
        moves_so_far = len(words) - words.index("moves") - 1 if "moves" in words else 0
        line = setup + ("" if "moves" in words else " moves") + " " + m
        error_line, *rest = engine.ask([line, "moves"]) + ["", ""]
        tally.compare(where, line, "refused: " + verdict, error_line.split(" refused")[-1]
                      .replace(":", "refused:", 1)
                      if error_line.startswith("info string error move %d " % (moves_so_far + 1))
                      else error_line)
        tally.compare(where, "moves after a refused position command",
                      " ".join(["moves"] + expected_moves), rest[0])
    for m in scored:
        _, played = model.judge(pos, m)
        (sx, sy), (X, Y), moving, placed = played
        value = computer.scored(pos.board, pos.side, sx, sy, X, Y, placed, moving)
        tally.compare(where, "score " + m, "score %d" % value, next(answers))
    return expected_moves


def near_own(pos, side, rng, x, y):
    """A square one or two steps along a line from a random own piece, for positions rich
    in threes and fours."""
    mine = [(i, j) for i in range(1, 10) for j in range(1, 10)
            if pos.board[i][j] != EMPTY and (pos.board[i][j] < 0) == (side == SENTE)]
    if not mine:
        return x, y
    i, j = rng.choice(mine)
    dx, dy = rng.choice([(1, 0), (0, 1), (1, 1), (1, -1), (-1, 0), (0, -1), (-1, -1), (-1, 1)])
    step = rng.choice((1, 1, 2))
    nx, ny = i + dx * step, j + dy * step
    return (nx, ny) if 1 <= nx <= 9 and 1 <= ny <= 9 else (x, y)


def lined_position(rng):
    """A position where the side to move has a long line: five to seven pieces in a row,
    sometimes with a gap, so that moves which make or break a five by leaving a square are
    common."""
    while True:
        pos = Position()
        side = rng.choice((SENTE, GOTE))
        if rng.random() < 0.5:
            squares = crossing_lines(rng)
        else:
            dx, dy = rng.choice([(1, 0), (0, 1), (1, 1), (1, -1)])
            length = rng.randint(5, 7)
            x0, y0 = rng.randint(1, 9), rng.randint(1, 9)
            squares = [(x0 + i * dx, y0 + i * dy) for i in range(length)]
            if rng.random() < 0.4:
                squares.pop(rng.randrange(1, length - 1))
        if not squares or not all(1 <= x <= 9 and 1 <= y <= 9 for x, y in squares):
            continue
        # Pieces that can stand anywhere: pawns, lances and knights promoted.
        kinds = [8, 5, 4, 6, 7, 1, 2, 3, 1, 2, 3]
        hand = list(START_HAND)
        for x, y in squares:
            kind = next(k for k in kinds if hand[k] > 0)
            promoted = kind in (1, 2, 3) or (kind in (4, 6, 7) and rng.random() < 0.5)
            hand[kind] -= 1
            pos.board[x][y] = piece_code(side, kind, promoted)
        for kind in (1, 2, 3):
            while hand[kind] > 0 and rng.random() < 0.5:
                x, y = rng.randint(1, 9), rng.randint(1, 9)
                if pos.board[x][y] == EMPTY:
                    pos.board[x][y] = piece_code(side, kind, True)
                    hand[kind] -= 1
        pos.hands[side] = hand
        pos.hands[-side] = list(START_HAND)
        other = random_sfen_position(rng)
        for x in range(1, 10):
            for y in range(1, 10):
                c = other.board[x][y]
                if c != EMPTY and (c < 0) == (-side == SENTE) and pos.board[x][y] == EMPTY:
                    pos.board[x][y] = c
                    pos.hands[-side][kind_of(c)] -= 1
        if setups.acceptable(pos):
            pos.side = side
            pos.move_count = rng.randint(1, 80)
            return pos


def crossing_lines(rng):
    """Two or three short own lines through one empty square, each two or three pieces with
    at most one gap: the shapes of double-threes and double-fours."""
    cx, cy = rng.randint(1, 9), rng.randint(1, 9)
    squares = []
    directions = rng.sample([(1, 0), (0, 1), (1, 1), (1, -1)], rng.choice((2, 2, 3)))
    for dx, dy in directions:
        offsets = [o for o in range(-4, 5) if o != 0]
        count = rng.choice((2, 3, 3))
        start = rng.randint(-count - 1, 1)
        chosen = [o for o in range(start, start + count + 1) if o != 0][:count]
        if rng.random() < 0.3 and chosen:
            chosen[-1] += 1 if chosen[-1] > 0 else -1
        for o in chosen:
            if o in offsets:
                squares.append((cx + o * dx, cy + o * dy))
    return list(dict.fromkeys(squares))[:10]


def winning_moves(pos, legal):
    out = []
    counted = model.WINS_AROUND[0]
    for text in legal:
        trial = pos.copy()
        model.play(trial, model.judge(pos, text)[1])
        if trial.winner:
            out.append(text)
    model.WINS_AROUND[0] = counted
    return out


def random_sfen_position(rng):
    """A position whose pieces could stand so in play: every piece on board or in hand,
    some promoted, no stuck piece and no doubled pawn."""
    pos = Position()
    clustered = rng.random() < 0.6
    for side in (SENTE, GOTE):
        keep = rng.random() * 0.6
        for kind in range(1, 9):
            for _ in range(START_HAND[kind]):
                if rng.random() < keep:
                    pos.hands[side][kind] += 1
                    continue
                for _attempt in range(50):
                    x, y = rng.randint(1, 9), rng.randint(1, 9)
                    if clustered and rng.random() < 0.7:
                        x, y = near_own(pos, side, rng, x, y)
                    if pos.board[x][y] != EMPTY:
                        continue
                    promoted = kind in PROMOTABLE_KINDS and rng.random() < 0.25
                    last = y if side == SENTE else 10 - y  # 1 = the side's last row
                    if not promoted and kind in (1, 2) and last == 1:
                        continue
                    if not promoted and kind == 3 and last <= 2:
                        continue
                    code = piece_code(side, kind, promoted)
                    if not promoted and kind == 1 and any(
                            pos.board[x][yy] == code for yy in range(1, 10)):
                        continue
                    pos.board[x][y] = code
                    break
                else:
                    pos.hands[side][kind] += 1
    pos.side = rng.choice((SENTE, GOTE))
    pos.move_count = 0 if rng.random() < 0.1 else rng.randint(1, 80)
    return pos


def play_out(engine, tally, start, setup, rng, label, max_plies, score_sample, hunt_wins=False):
    pos = start.copy()
    played = []
    for ply in range(max_plies + 1):
        where = "%s ply %d: %s" % (label, ply, " ".join([setup] + (["moves"] if played else []) + played))
        line = setup + ((" moves " + " ".join(played)) if played else "")
        legal = compare_position(engine, tally, pos, line, rng, where, score_sample)
        if pos.winner or not legal:
            return
        choice = computer.choose(pos.copy()) if rng.random() < 0.5 else None
        text = move_text(choice) if choice else rng.choice(legal)
        if hunt_wins and rng.random() < 0.7:
            wins = winning_moves(pos, legal)
            text = rng.choice(wins) if wins else text
        verdict, move = model.judge(pos, text)
        assert verdict == "ok", (text, verdict)
        model.play(pos, move)
        played.append(text)


def sfen_of_diagram(lines):
    found = [line[5:] for line in lines if line.startswith("sfen ")]
    return found[0] if found else " | ".join(lines)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("engine")
    ap.add_argument("--games", type=int, default=40)
    ap.add_argument("--sfen", type=int, default=200)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--plies", type=int, default=60)
    ap.add_argument("--scores", type=int, default=30, help="score probes per position")
    ap.add_argument("--lines", type=int, default=200, help="positions with a long line")
    ap.add_argument("--setups", type=int, default=300, help="changed set-up positions")
    ap.add_argument("--show", type=int, default=20, help="disagreements printed")
    args = ap.parse_args()
    rng = random.Random(args.seed)
    engine = Engine(args.engine)
    tally = Tally(args.show)
    for g in range(args.games):
        play_out(engine, tally, Position.start(), "position startpos", rng, "game %d" % g,
                 args.plies, args.scores)
    for s in range(args.sfen):
        pos = random_sfen_position(rng)
        play_out(engine, tally, pos, "position sfen " + pos.sfen(), rng, "sfen %d" % s,
                 rng.randint(0, 6), args.scores)
    for s in range(args.lines):
        pos = lined_position(rng)
        play_out(engine, tally, pos, "position sfen " + pos.sfen(), rng, "lines %d" % s,
                 rng.randint(0, 4), args.scores, hunt_wins=True)
    for s in range(args.setups):
        pos = setups.mutate(random_sfen_position(rng), rng)
        text = "position sfen " + pos.sfen()
        lines = engine.ask([text])
        accepted = not lines
        tally.compare("setup %d" % s, text, "accepted" if setups.acceptable(pos) else "refused",
                      "accepted" if accepted else "refused", " | ".join(lines))
        if accepted and setups.acceptable(pos):
            # The position read back must be the one written.
            tally.compare("setup %d" % s, "d", pos.sfen(), sfen_of_diagram(engine.ask(["d"])))
    engine.close()
    print("fives made by vacating a square:", model.WINS_AROUND[0])
    print("answers by kind:", " ".join("%s=%d" % kv for kv in sorted(tally.seen.items())))
    print("positions %d answers %d disagreements %d"
          % (tally.positions, tally.answers, len(tally.disagreements)))
    return 1 if tally.disagreements else 0


if __name__ == "__main__":
    sys.exit(main())
