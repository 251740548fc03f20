#!/usr/bin/env python3
"""Known answers of the model on small hand-built positions, so that a change to the model
that breaks a rule shows before it is used against the engine. Run: python3 selftest.py"""

import unittest

from position import Position, SENTE, GOTE, EMPTY
from rules import (YES, NO, double_three, double_four, five, five_around, end_scan, run_scan,
                   move_check, pawn_flags, may_promote, after_move_check)
from computer import score, neighbour_piece
import model


def board_with(own=(), other=(), side=SENTE):
    p = Position.start()
    for x, y in own:
        p.board[x][y] = side
    for x, y in other:
        p.board[x][y] = -side
    return p.board


def row5(*xs):
    return [(x, 5) for x in xs]


class LineTests(unittest.TestCase):
    def test_scans_at_the_edge(self):
        B = board_with(own=[(5, 1), (5, 2), (5, 3)])
        self.assertEqual(end_scan(B, SENTE, "上", 5, 3), SENTE)  # closed by the edge
        B[5][1] = EMPTY
        self.assertEqual(end_scan(B, SENTE, "上", 5, 3), EMPTY)
        self.assertEqual(run_scan(B, SENTE, "右", 9, 4), 0)
        self.assertEqual(end_scan(B, SENTE, "右下", 7, 9), B[7][9])

    def test_exact_five_only(self):
        B = board_with(own=row5(1, 2, 3, 4, 5))
        self.assertTrue(all(five(B, SENTE, x, 5) == YES for x in range(1, 6)))
        B[6][5] = SENTE
        self.assertTrue(all(five(B, SENTE, x, 5) == NO for x in range(1, 7)))

    def test_five_left_behind_a_vacated_square(self):
        B = board_with(own=row5(1, 2, 3, 4, 5, 6))
        B[6][5], B[6][4] = EMPTY, SENTE
        self.assertEqual(five(B, SENTE, 6, 4), NO)
        self.assertEqual(five_around(B, SENTE, 6, 5), (YES, (5, 5)))


class RenjuTests(unittest.TestCase):
    def drop(self, B, test):
        return test(B, 11, 2, 5, 5, SENTE, SENTE)

    def test_double_threes(self):
        self.assertEqual(self.drop(board_with(row5(3, 4) + [(5, 3), (5, 4)]), double_three), YES)
        self.assertEqual(self.drop(board_with(row5(2, 3) + [(5, 3), (5, 4)]), double_three), YES)
        closed = board_with(row5(3, 4) + [(5, 3), (5, 4)], other=[(2, 5)])
        self.assertEqual(self.drop(closed, double_three), NO)
        fives = board_with(row5(1, 2, 3, 4) + [(5, 3), (5, 4)])
        self.assertEqual(self.drop(fives, double_three), NO)

    def test_double_fours(self):
        B = board_with(row5(2, 3, 4) + [(5, 2), (5, 3), (5, 4)])
        self.assertEqual(self.drop(B, double_four), YES)
        self.assertEqual(self.drop(B, double_three), NO)

    def test_broken_four_needs_its_far_end_open(self):
        B = board_with(row5(4, 7, 8) + [(5, 2), (5, 3), (5, 4)])
        self.assertEqual(self.drop(B, double_four), YES)
        edge = board_with(row5(1, 2, 3) + [(5, 2), (5, 3), (5, 4)])
        self.assertEqual(self.drop(edge, double_four), NO)

    def test_board_is_restored(self):
        B = board_with(row5(3, 4) + [(5, 3), (5, 4)])
        B[5][6] = SENTE
        before = [list(c) for c in B]
        double_three(B, 5, 6, 5, 5, SENTE, SENTE)
        double_four(B, 5, 6, 5, 5, SENTE, SENTE)
        self.assertEqual(B, before)


class ShogiTests(unittest.TestCase):
    def test_pawn_drops(self):
        B = board_with()
        B[5][7] = -10
        flags = pawn_flags(B)
        self.assertEqual(move_check(B, flags, 11, 2, 5, 3, -10), NO)
        self.assertEqual(move_check(B, flags, 11, 2, 4, 1, -10), NO)
        B[5][7] = -11
        self.assertEqual(move_check(B, pawn_flags(B), 11, 2, 5, 3, -10), YES)

    def test_promotion(self):
        self.assertEqual(may_promote(5, 4, 3, -10), (YES, -11))
        self.assertEqual(may_promote(5, 5, 4, -10), (NO, None))
        self.assertEqual(may_promote(5, 3, 4, -100), (YES, -101))
        self.assertEqual(may_promote(5, 7, 2, 900), (YES, 901))
        self.assertEqual(after_move_check(2, -30), NO)
        self.assertEqual(after_move_check(9, 20), NO)


class ScoreTests(unittest.TestCase):
    def test_levels(self):
        # An open four of the computer's own outranks everything below it.
        B = board_with(row5(3, 4, 5, 6), side=GOTE)
        self.assertEqual(score(B, GOTE, -1, 8, 5, 5), 800)
        # A person's five point reached by a drop.
        B = board_with(other=row5(1, 2, 3, 4), side=GOTE)
        B[5][5] = GOTE
        self.assertEqual(score(B, GOTE, -1, 8, 5, 5), 900)
        self.assertEqual(neighbour_piece(board_with(), 1, 1), NO)


class TurnTests(unittest.TestCase):
    def test_the_start(self):
        p = Position.start()
        self.assertEqual(len(model.all_moves(p)), 81 * 8 - 9 - 9 - 18)
        self.assertEqual(model.judge(p, "P*5a")[0], "illegal")
        self.assertEqual(model.judge(p, "5e5d")[0], "illegal")
        self.assertEqual(model.judge(p, "p*5e")[0], "syntax")


if __name__ == "__main__":
    unittest.main()
