"""Board, hands and the engine's text forms (squares, pieces, moves, positions)."""

SENTE, GOTE, NOSIDE = -10, 10, -1
EMPTY = 0

# Hand kinds 1..8 and their unpromoted 後手 codes; 先手 codes are the negatives.
KIND_CODE = {1: 10, 2: 20, 3: 30, 4: 100, 5: 110, 6: 800, 7: 900, 8: 950}
LETTERS = "PLNSGBRK"
PROMOTABLE_KINDS = {1, 2, 3, 4, 6, 7}
PROMOTED_CODES = {11, 21, 31, 101, 801, 901}
ALL_GOTE_CODES = set(KIND_CODE.values()) | PROMOTED_CODES | {111}
START_HAND = [0, 2, 2, 2, 1, 1, 1, 1, 1]


def kind_of(code):
    """Hand kind of any piece code, promoted or not; 0 for anything else."""
    m = abs(code)
    if m in PROMOTED_CODES:
        m -= 1
    for kind, c in KIND_CODE.items():
        if c == m:
            return kind
    return 0


def piece_code(side, kind, promoted=False):
    code = KIND_CODE[kind] + (1 if promoted else 0)
    return -code if side == SENTE else code


def hand_column(side):
    return 11 if side == SENTE else -1


def hand_row(side, kind):
    return kind + 1 if side == SENTE else 9 - kind


def square_text(x, y):
    return "%d%s" % (10 - x, chr(ord("a") + y - 1))


def piece_text(code):
    kind = kind_of(code)
    letter = LETTERS[kind - 1]
    if code > 0:
        letter = letter.lower()
    return ("+" if abs(code) in PROMOTED_CODES else "") + letter


class Position:
    def __init__(self):
        self.board = [[EMPTY] * 10 for _ in range(10)]  # [x][y]
        self.hands = {SENTE: [0] * 9, GOTE: [0] * 9}  # by kind 1..8
        self.side = SENTE
        self.move_count = 0  # 手数
        self.winner = 0
        self.last_move_played = False

    @staticmethod
    def start():
        p = Position()
        p.hands[SENTE] = list(START_HAND)
        p.hands[GOTE] = list(START_HAND)
        return p

    def copy(self):
        p = Position()
        p.board = [list(col) for col in self.board]
        p.hands = {s: list(h) for s, h in self.hands.items()}
        p.side = self.side
        p.move_count = self.move_count
        p.winner = self.winner
        p.last_move_played = self.last_move_played
        return p

    def sfen(self):
        rows = []
        for y in range(1, 10):
            row, gap = "", 0
            for x in range(1, 10):
                c = self.board[x][y]
                if c == EMPTY:
                    gap += 1
                    continue
                if gap:
                    row += str(gap)
                    gap = 0
                row += piece_text(c)
            if gap:
                row += str(gap)
            rows.append(row)
        hands = ""
        for side in (SENTE, GOTE):
            for kind in range(8, 0, -1):
                n = self.hands[side][kind]
                if n:
                    letter = LETTERS[kind - 1] if side == SENTE else LETTERS[kind - 1].lower()
                    hands += (str(n) if n > 1 else "") + letter
        side = "b" if self.side == SENTE else "w"
        return "%s %s %s %d" % ("/".join(rows), side, hands or "-", self.move_count + 1)


class Move:
    """A move as the protocol writes it: drop of a hand kind, or a board move, maybe '+'."""

    def __init__(self, drop, kind=0, src=None, dst=None, promote=False):
        self.drop, self.kind, self.src, self.dst, self.promote = drop, kind, src, dst, promote

    def text(self):
        head = LETTERS[self.kind - 1] + "*" if self.drop else square_text(*self.src)
        return head + square_text(*self.dst) + ("+" if self.promote else "")


def parse_square(t):
    if len(t) != 2 or not ("1" <= t[0] <= "9") or not ("a" <= t[1] <= "i"):
        return None
    return (10 - int(t[0]), ord(t[1]) - ord("a") + 1)


def parse_move(t):
    if len(t) == 4 and t[1] == "*":
        if t[0] not in LETTERS:
            return None
        dst = parse_square(t[2:])
        return Move(True, LETTERS.index(t[0]) + 1, dst=dst) if dst else None
    promote = False
    if len(t) == 5:
        if t[4] != "+":
            return None
        promote, t = True, t[:4]
    if len(t) != 4:
        return None
    src, dst = parse_square(t[:2]), parse_square(t[2:])
    if not src or not dst:
        return None
    return Move(False, src=src, dst=dst, promote=promote)
