"""The computer's scoring of a candidate and its one-ply choice of move."""

from position import SENTE, GOTE, EMPTY, hand_column, piece_code
from rules import (YES, NO, five, run_scan, end_scan, pawn_flags, move_check, double_three,
                   double_four, may_promote, after_move_check)

SCORE_LINES = [("上", "下"), ("左", "右"), ("左上", "右下"), ("左下", "右上")]


def neighbour_piece(B, X, Y):
    """調査_周囲駒有."""
    for x in range(X - 1, X + 2):
        for y in range(Y - 1, Y + 2):
            if not (1 <= x <= 9 and 1 <= y <= 9) or (x == X and y == Y):
                continue
            if B[x][y] != EMPTY:
                return YES
    return NO


def _measure(B, side, X, Y):
    """Per line: (n, number of open ends)."""
    out = []
    for a, b in SCORE_LINES:
        n = run_scan(B, side, a, X, Y) + run_scan(B, side, b, X, Y)
        opened = (end_scan(B, side, a, X, Y) == EMPTY) + (end_scan(B, side, b, X, Y) == EMPTY)
        out.append((n, opened))
    return out


def score(B, com, sx, sy, X, Y):
    """調査_得点: the board holds the position after the candidate. Restores nothing."""
    person = -com
    person_pawn = person
    board_move = 1 <= sx <= 9
    if five(B, com, X, Y) == YES:
        return 1001
    if board_move:
        saved = B[X][Y]
        B[X][Y] = person_pawn
        hit = five(B, person, X, Y)
        B[X][Y] = saved
        if hit == YES:
            return 1000
        B[sx][sy] = person_pawn
        hit = five(B, person, sx, sy)
        B[sx][sy] = EMPTY
        if hit == YES:
            return -1000
    own = _measure(B, com, X, Y)
    B[X][Y] = person
    opp = _measure(B, person, X, Y)
    B[X][Y] = EMPTY
    if any(n == 4 for n, _ in opp):
        return 900
    if any(n == 3 and o == 2 for n, o in own):
        return 800
    if any(n == 3 and o == 2 for n, o in opp):
        return 700
    if any(n == 3 and o >= 1 for n, o in own):
        return 600
    if any(n == 2 and o == 2 for n, o in own):
        return 500
    if 2 <= X <= 8 and 2 <= Y <= 8 and any(n == 3 for n, _ in opp):
        return 400
    if any(n == 2 and o == 2 for n, o in opp):
        return 300
    if any(n == 1 and o == 2 for n, o in own):
        return 100
    return 0


def scored(B, com, sx, sy, X, Y, placed, moving):
    """The score of a candidate with the board prepared as the search prepares it; the board
    is put back afterwards."""
    board_move = 1 <= sx <= 9
    if board_move:
        B[sx][sy] = EMPTY
    B[X][Y] = placed
    value = score(B, com, sx, sy, X, Y)
    B[X][Y] = EMPTY
    if board_move:
        B[sx][sy] = moving
    return value


def choose(pos):
    """com_ban steps 2-6 for the side to move: (src, dst, moving, placed) or None (pass)."""
    if pos.winner:
        return None  # nothing is played once a five has been made
    B = pos.board
    com = pos.side
    hand = pos.hands[com]
    in_hand = sum(hand[1:9])
    col = hand_column(com)
    flags = pawn_flags(B)
    if pos.move_count == 0 and hand[1] > 0:
        # The fixed first move, made only where the rules accept it (a position set up with
        # the counter at 0 may hold pieces already).
        row = 2 if com == SENTE else 8
        pawn = piece_code(com, 1)
        if (move_check(B, flags, col, row, 5, 5, pawn) == YES
                and double_three(B, col, row, 5, 5, com, pawn) == NO
                and double_four(B, col, row, 5, 5, com, pawn) == NO):
            return ((col, row), (5, 5), pawn, pawn)
    best_score, best = -99999, None
    if in_hand < 8:
        for sx in range(1, 10):
            for sy in range(1, 10):
                cand = B[sx][sy]
                if not ((com == SENTE and cand < 0) or (com == GOTE and cand > 0)):
                    continue
                for X in range(1, 10):
                    for Y in range(1, 10):
                        if move_check(B, flags, sx, sy, X, Y, cand) != YES:
                            continue
                        if double_three(B, sx, sy, X, Y, com, cand) != NO or double_four(
                                B, sx, sy, X, Y, com, cand) != NO:
                            continue
                        can, promoted = may_promote(sx, sy, Y, cand)
                        if can == NO:
                            value, placed = scored(B, com, sx, sy, X, Y, cand, cand), cand
                        elif after_move_check(Y, cand) == NO:
                            value = scored(B, com, sx, sy, X, Y, promoted, cand)
                            placed = promoted
                        else:
                            v1 = scored(B, com, sx, sy, X, Y, cand, cand)
                            v2 = scored(B, com, sx, sy, X, Y, promoted, cand)
                            value, placed = (v2, promoted) if v2 > v1 else (v1, cand)
                        if value > best_score:
                            best_score, best = value, ((sx, sy), (X, Y), cand, placed)
    if in_hand > 0:
        rows = range(2, 10) if com == SENTE else range(1, 9)
        for row in rows:
            kind = row - 1 if com == SENTE else 9 - row
            if hand[kind] <= 0:
                continue
            cand = piece_code(com, kind)
            for X in range(1, 10):
                for Y in range(1, 10):
                    if neighbour_piece(B, X, Y) != YES:
                        continue
                    if move_check(B, flags, col, row, X, Y, cand) != YES:
                        continue
                    if double_three(B, col, row, X, Y, com, cand) != NO or double_four(
                            B, col, row, X, Y, com, cand) != NO:
                        continue
                    value = scored(B, com, col, row, X, Y, cand, cand)
                    if value > best_score:
                        best_score, best = value, ((col, row), (X, Y), cand, cand)
    return best
