"""What the engine should answer: the person's move judgement in the turn flow's order, the
list of every playable move, playing a move and the five test after it."""

from position import (SENTE, GOTE, EMPTY, Move, parse_move, hand_column, hand_row, piece_code,
                      kind_of)
from rules import (YES, NO, pawn_flags, move_check, double_three, double_four, may_promote,
                   after_move_check, five, five_around)

OK = "ok"
WINS_AROUND = [0]  # games won by a five left behind a vacated square, for the driver's tally


def own(side, code):
    return code <= -10 if side == SENTE else code >= 10


def judge(pos, text):
    """(verdict, (src, dst, moving, placed)) for a move written as text."""
    mv = parse_move(text)
    if mv is None:
        return "syntax", None
    return judge_move(pos, mv)


def judge_move(pos, mv, renju_cache=None):
    if pos.winner:
        return "over", None
    B, side = pos.board, pos.side
    X, Y = mv.dst
    if mv.drop:
        if pos.hands[side][mv.kind] <= 0:
            return "illegal", None
        sx, sy = hand_column(side), hand_row(side, mv.kind)
        moving = piece_code(side, mv.kind)
    else:
        sx, sy = mv.src
        moving = B[sx][sy]
        if not own(side, moving):
            return "illegal", None
    if move_check(B, pawn_flags(B), sx, sy, X, Y, moving) != YES:
        return "illegal", None
    key = ("drop", X, Y) if mv.drop else (sx, sy, X, Y)
    if renju_cache is not None and key in renju_cache:
        three, four = renju_cache[key]
    else:
        three = double_three(B, sx, sy, X, Y, side, moving)
        four = double_four(B, sx, sy, X, Y, side, moving) if three == NO else None
        if renju_cache is not None:
            renju_cache[key] = (three, four)
    if three == YES:
        return "three", None
    if four == YES:
        return "four", None
    can, promoted = may_promote(sx, sy, Y, moving)
    if mv.promote:
        if can != YES:
            return "promote", None
        return OK, ((sx, sy), (X, Y), moving, promoted)
    if after_move_check(Y, moving) == NO:
        return "promote", None
    return OK, ((sx, sy), (X, Y), moving, moving)


def all_moves(pos, refused=None):
    """Every move text the side to move may play, sorted by byte value. When a list is given,
    the moves that pass the move rule but are refused later are added to it with their
    verdict."""
    if pos.winner:
        return []
    B, side = pos.board, pos.side
    texts, cache = [], {}
    candidates = []
    for sx in range(1, 10):
        for sy in range(1, 10):
            if own(side, B[sx][sy]):
                for X in range(1, 10):
                    for Y in range(1, 10):
                        candidates.append(Move(False, src=(sx, sy), dst=(X, Y)))
                        candidates.append(Move(False, src=(sx, sy), dst=(X, Y), promote=True))
    for kind in range(1, 9):
        if pos.hands[side][kind] > 0:
            for X in range(1, 10):
                for Y in range(1, 10):
                    candidates.append(Move(True, kind=kind, dst=(X, Y)))
    for mv in candidates:
        # Only the side matters to the line tests, so drops share their answer per square.
        verdict, _ = judge_move(pos, mv, cache)
        if verdict == OK:
            texts.append(mv.text())
        elif refused is not None and verdict != "illegal":
            refused.append(mv.text())
    return sorted(texts, key=lambda t: t.encode())


def play(pos, played):
    """駒移動 with the placed piece, 手数 + 1, the five test, the turn to the other side."""
    (sx, sy), (X, Y), moving, placed = played
    B, side = pos.board, pos.side
    if sx == -1 or sx == 11:
        pos.hands[side][kind_of(moving)] -= 1
    else:
        B[sx][sy] = EMPTY
    B[X][Y] = placed
    pos.move_count += 1
    if five(B, side, X, Y) == YES:
        pos.winner = side
    elif five_around(B, side, sx, sy)[0] == YES:
        pos.winner = side
        WINS_AROUND[0] += 1
    pos.side = -side
