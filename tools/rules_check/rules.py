"""Shogi movement, promotion, double-pawn flags, line scans, the exact five and the
double-three / double-four tests, written step by step from the game's rules."""

from position import SENTE, GOTE, EMPTY

YES, NO = 1, 0
S_P, S_L, S_N, S_S, S_G, S_B, S_R, S_K = -10, -20, -30, -100, -110, -800, -900, -950
S_PP, S_PL, S_PN, S_PS, S_PB, S_PR = -11, -21, -31, -101, -801, -901
G_P, G_L, G_N, G_S, G_G, G_B, G_R, G_K = 10, 20, 30, 100, 110, 800, 900, 950
G_PP, G_PL, G_PN, G_PS, G_PB, G_PR = 11, 21, 31, 101, 801, 901


def pawn_flags(B):
    """調査_2歩フラグ設定: per column, does an unpromoted pawn of each side stand there."""
    s, g = [0] * 10, [0] * 10
    for x in range(1, 10):
        for y in range(1, 10):
            if B[x][y] == S_P:
                s[x] = 1
            elif B[x][y] == G_P:
                g[x] = 1
    return s, g


def rook_line(B, x1, y1, x2, y2):
    if x1 != x2 and y1 != y2:
        return NO
    if x1 == x2:
        s = 1 if y2 > y1 else -1
        for y in range(y1 + s, y2, s):
            if B[x2][y] != EMPTY:
                return NO
    else:
        s = 1 if x2 > x1 else -1
        for x in range(x1 + s, x2, s):
            if B[x][y2] != EMPTY:
                return NO
    return YES


def bishop_line(B, x1, y1, x2, y2):
    if not (x2 - y2 == x1 - y1 or x2 - x1 == y1 - y2):
        return NO
    sx = 1 if x2 > x1 else -1
    sy = 1 if y2 > y1 else -1
    k = 1
    while (x1 + k * sx < x2) if sx > 0 else (x1 + k * sx > x2):
        if B[x1 + k * sx][y1 + k * sy] != EMPTY:
            return NO
        k += 1
    return YES


def move_check(B, flags, x1, y1, x2, y2, piece):
    """移動チェック."""
    if x2 < 1 or x2 > 9 or y2 < 1 or y2 > 9:
        return NO
    if x1 == x2 and y1 == y2:
        return NO
    if B[x2][y2] != EMPTY:
        return NO
    s2, g2 = flags
    if x1 == 11 or x1 == -1:
        if piece == S_P and s2[x2] == 1:
            return NO
        if piece == G_P and g2[x2] == 1:
            return NO
        if piece not in (S_P, G_P, S_L, G_L, S_N, G_N):
            return YES
    dx, dy = x2 - x1, y2 - y1
    ok = True
    if piece == G_P:
        ok = (dx == 0 and dy == 1) if x1 > 0 else (y2 != 9)
    elif piece == G_L:
        if x1 != -1:
            ok = dx == 0 and dy > 0 and all(B[x2][y] == EMPTY for y in range(y1 + 1, y2))
        else:
            ok = y2 != 9
    elif piece == G_N:
        ok = (dy == 2 and abs(dx) == 1) if x1 != -1 else (y2 <= 7)
    elif piece == G_S:
        ok = abs(dx) <= 1 and (dy == 1 or (dy == -1 and dx != 0))
    elif piece in (G_PP, G_PL, G_PN, G_PS, G_G):
        ok = (abs(dx) <= 1 and dy in (0, 1)) or (dx == 0 and dy == -1)
    elif piece == G_B:
        ok = bishop_line(B, x1, y1, x2, y2) == YES
    elif piece == G_PB:
        ok = (abs(dx) <= 1 and abs(dy) <= 1) or bishop_line(B, x1, y1, x2, y2) == YES
    elif piece == G_R:
        ok = rook_line(B, x1, y1, x2, y2) == YES
    elif piece == G_PR:
        ok = (abs(dx) <= 1 and abs(dy) <= 1) or rook_line(B, x1, y1, x2, y2) == YES
    elif piece in (G_K, S_K):
        ok = abs(dx) <= 1 and abs(dy) <= 1
    elif piece == S_P:
        ok = (dx == 0 and dy == -1) if x1 != 11 else (y2 != 1)
    elif piece == S_L:
        if x1 != 11:
            ok = dx == 0 and dy < 0 and all(B[x2][y] == EMPTY for y in range(y2 + 1, y1))
        else:
            ok = y2 != 1
    elif piece == S_N:
        ok = (dy == -2 and abs(dx) == 1) if x1 != 11 else (y2 >= 3)
    elif piece == S_S:
        ok = x1 != 11 and abs(dx) <= 1 and (dy == -1 or (dy == 1 and dx != 0))
    elif piece in (S_PP, S_PL, S_PN, S_PS, S_G):
        ok = (abs(dx) <= 1 and dy in (0, -1)) or (dx == 0 and dy == 1)
    elif piece == S_B:
        ok = bishop_line(B, x1, y1, x2, y2) == YES
    elif piece == S_PB:
        ok = (abs(dx) <= 1 and abs(dy) <= 1) or bishop_line(B, x1, y1, x2, y2) == YES
    elif piece == S_R:
        ok = rook_line(B, x1, y1, x2, y2) == YES
    elif piece == S_PR:
        ok = (abs(dx) <= 1 and abs(dy) <= 1) or rook_line(B, x1, y1, x2, y2) == YES
    return YES if ok else NO


def may_promote(x1, y1, y2, piece):
    """調査_駒成: (result, promoted code)."""
    if x1 == -1 or x1 == 11:
        return NO, None
    if piece in (S_P, S_L, S_N):
        return (YES, piece - 1) if y2 < 4 else (NO, None)
    if piece in (S_S, S_B, S_R):
        return (YES, piece - 1) if (y2 < 4 or y1 < 4) else (NO, None)
    if piece in (G_P, G_L, G_N):
        return (YES, piece + 1) if y2 > 6 else (NO, None)
    if piece in (G_S, G_B, G_R):
        return (YES, piece + 1) if (y2 > 6 or y1 > 6) else (NO, None)
    return NO, None


def after_move_check(y2, piece):
    """移動後チェック: NO when the unpromoted piece would have no move left."""
    if piece in (G_P, G_L) and y2 == 9:
        return NO
    if piece == G_N and y2 > 7:
        return NO
    if piece in (S_P, S_L) and y2 == 1:
        return NO
    if piece == S_N and y2 < 3:
        return NO
    return YES


# ---- line scans ---------------------------------------------------------------------------

DIRS = {
    "右": (1, 0), "左": (-1, 0), "下": (0, 1), "上": (0, -1),
    "右下": (1, 1), "右上": (1, -1), "左下": (-1, 1), "左上": (-1, -1),
}


def not_own(side, code):
    if side == SENTE and code > -10:
        return True
    if side == GOTE and code < 10:
        return True
    return False


def run_scan(B, side, d, X, Y):
    dx, dy = DIRS[d]
    count, k = 0, 1
    while True:
        x, y = X + k * dx, Y + k * dy
        if x > 9 or x < 1 or y > 9 or y < 1:
            break
        if not_own(side, B[x][y]):
            break
        count += 1
        k += 1
    return count


def end_scan(B, side, d, X, Y):
    dx, dy = DIRS[d]
    k = 0
    while True:
        x, y = X + k * dx, Y + k * dy
        if (dx == 1 and x == 9) or (dx == -1 and x == 1) or (dy == 1 and y == 9) or (
            dy == -1 and y == 1
        ):
            break
        if not_own(side, B[x][y]):
            break
        k += 1
    return B[x][y]


LINES_FIVE = [("上", "下"), ("左", "右"), ("左上", "右下"), ("左下", "右上")]


def five(B, side, X, Y):
    """調査_5並び."""
    if B[X][Y] == EMPTY:
        return NO
    for a, b in LINES_FIVE:
        if run_scan(B, side, a, X, Y) + run_scan(B, side, b, X, Y) + 1 == 5:
            return YES
    return NO


def five_around(B, side, X, Y):
    """終了_判定周囲: (result, square)."""
    for i in range(X - 1, X + 2):
        for j in range(Y - 1, Y + 2):
            if not (1 <= i <= 9 and 1 <= j <= 9) or (i == X and j == Y):
                continue
            f = five(B, side, i, j)
            own = B[i][j] <= -10 if side == SENTE else B[i][j] >= 10
            if f == YES and own:
                return YES, (i, j)
    return NO, None


# ---- double-three and double-four -----------------------------------------------------------

# (first half, second half) in the order the tests examine the lines.
RENJU_LINES = [("左", "右"), ("上", "下"), ("左上", "右下"), ("左下", "右上")]


def _gap(d, X, Y, n):
    dx, dy = DIRS[d]
    return X + (n + 1) * dx, Y + (n + 1) * dy


def _try_gap(B, side, d, X, Y, g):
    gx, gy = g
    saved = B[gx][gy]
    B[gx][gy] = side
    a2 = run_scan(B, side, d, X, Y)
    e2 = end_scan(B, side, d, X, Y)
    B[gx][gy] = saved
    return a2, e2


def _first_gap_on_board(line, X, Y, a):
    return {
        0: X - a > 1,
        1: Y - a > 1,
        2: X - a > 1 and Y - a > 1,
        3: X - a > 1 and Y + a < 9,
    }[line]


def _second_gap_on_board(line, X, Y, b):
    return {
        0: X + b < 9,
        1: Y + b < 9,
        2: X + b < 9 and Y + b < 9,
        3: X + b < 9 and Y - b > 1,
    }[line]


def _renju_test(B, sx, sy, X, Y, side, piece, rule):
    if 1 <= sx <= 9:
        B[sx][sy] = EMPTY
    B[X][Y] = piece
    result = NO

    def restore():
        B[X][Y] = EMPTY
        if 1 <= sx <= 9:
            B[sx][sy] = piece

    if five(B, side, X, Y) == YES:
        restore()
        return NO
    count = 0
    scans = {}
    for first, second in RENJU_LINES:
        scans[first] = (run_scan(B, side, first, X, Y), end_scan(B, side, first, X, Y))
        scans[second] = (run_scan(B, side, second, X, Y), end_scan(B, side, second, X, Y))
    for line, (first, second) in enumerate(RENJU_LINES):
        a, ea = scans[first]
        b, eb = scans[second]
        if rule(B, side, X, Y, line, first, second, a, ea, b, eb):
            count += 1
    restore()
    if count > 1:
        result = YES
    return result


def _three_line(B, side, X, Y, line, first, second, a, ea, b, eb):
    if not (ea == EMPTY and eb == EMPTY):
        return False
    if a + b == 2:
        return True
    if a + b in (0, 1):
        a2, e2 = _try_gap(B, side, first, X, Y, _gap(first, X, Y, a))
        if a2 == 3 - b and e2 == EMPTY:
            return True
        b2, e2 = _try_gap(B, side, second, X, Y, _gap(second, X, Y, b))
        if b2 == 3 - a and e2 == EMPTY:
            return True
    return False


def _four_line(B, side, X, Y, line, first, second, a, ea, b, eb):
    if not (ea == EMPTY or eb == EMPTY):
        return False
    if a + b == 3:
        return True
    if a + b in (0, 1, 2):
        if _first_gap_on_board(line, X, Y, a) and ea == EMPTY:
            a2, e2 = _try_gap(B, side, first, X, Y, _gap(first, X, Y, a))
            if a2 == 4 - b and e2 == EMPTY:
                return True
        if _second_gap_on_board(line, X, Y, b) and eb == EMPTY:
            b2, e2 = _try_gap(B, side, second, X, Y, _gap(second, X, Y, b))
            if b2 == 4 - a and e2 == EMPTY:
                return True
    return False


def double_three(B, sx, sy, X, Y, side, piece):
    """調査_三三."""
    return _renju_test(B, sx, sy, X, Y, side, piece, _three_line)


def double_four(B, sx, sy, X, Y, side, piece):
    """調査_四四."""
    return _renju_test(B, sx, sy, X, Y, side, piece, _four_line)
