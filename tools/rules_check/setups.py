"""Set-up positions that break one of the conditions a position must meet, for comparing the
engine's acceptance of `position sfen` with the rules."""

from position import SENTE, GOTE, EMPTY, START_HAND, piece_code, kind_of


def last_row_distance(side, y):
    """1 on the side's last row, 2 on the one before it."""
    return y if side == SENTE else 10 - y


def acceptable(pos):
    """Could the pieces stand so in play?"""
    for side in (SENTE, GOTE):
        counts = list(pos.hands[side])
        for x in range(1, 10):
            pawns = 0
            for y in range(1, 10):
                c = pos.board[x][y]
                if c == EMPTY or (c < 0) != (side == SENTE):
                    continue
                counts[kind_of(c)] += 1
                plain = abs(c) in (10, 20, 30, 100, 110, 800, 900, 950)
                dist = last_row_distance(side, y)
                if plain and abs(c) in (10, 20) and dist == 1:
                    return False
                if plain and abs(c) == 30 and dist <= 2:
                    return False
                if abs(c) == 10:
                    pawns += 1
            if pawns > 1:
                return False
        if counts != START_HAND:
            return False
    return True


def mutate(pos, rng):
    """A copy of the position changed in one way that may or may not break it."""
    p = pos.copy()
    side = rng.choice((SENTE, GOTE))
    sign = -1 if side == SENTE else 1
    empties = [(x, y) for x in range(1, 10) for y in range(1, 10) if p.board[x][y] == EMPTY]
    mine = [(x, y) for x in range(1, 10) for y in range(1, 10)
            if p.board[x][y] != EMPTY and (p.board[x][y] < 0) == (side == SENTE)]
    r = rng.randrange(6)
    if r == 0 and mine:  # a piece moved to any empty square, maybe onto a last row
        x, y = rng.choice(mine)
        tx, ty = rng.choice(empties)
        p.board[tx][ty], p.board[x][y] = p.board[x][y], EMPTY
    elif r == 1 and empties:  # a hand piece put on the board as it is or promoted
        kinds = [k for k in range(1, 9) if p.hands[side][k] > 0]
        if kinds:
            k = rng.choice(kinds)
            x, y = rng.choice(empties)
            p.hands[side][k] -= 1
            p.board[x][y] = piece_code(side, k, k in (1, 2, 3, 4, 6, 7) and rng.random() < 0.3)
    elif r == 2:  # one piece too few or too many in hand
        k = rng.randint(1, 8)
        p.hands[side][k] = max(0, p.hands[side][k] + rng.choice((-1, 1)))
    elif r == 3 and mine:  # a board piece handed to the other side
        x, y = rng.choice(mine)
        p.board[x][y] = -p.board[x][y]
    elif r == 4 and mine:  # a board piece promoted or unpromoted
        x, y = rng.choice(mine)
        c = abs(p.board[x][y])
        if c in (10, 20, 30, 100, 800, 900):
            p.board[x][y] = sign * (c + 1)
        elif c in (11, 21, 31, 101, 801, 901):
            p.board[x][y] = sign * (c - 1)
    elif r == 5 and mine:  # a board piece back to its hand
        x, y = rng.choice(mine)
        p.hands[side][kind_of(p.board[x][y])] += 1
        p.board[x][y] = EMPTY
    return p
