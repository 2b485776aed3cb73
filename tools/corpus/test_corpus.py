"""The corpus check's geometry and matching, on small hand-made inputs."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry import cubic_extent, cut_file_boxes, path_boxes, reference_boxes  # noqa: E402
from matching import describe, match  # noqa: E402

IDENTITY = (1, 0, 0, 1, 0, 0)


class Geometry(unittest.TestCase):
    def test_cubic_extent_reaches_beyond_the_ends(self):
        for controls, expected in [
            ((0, 0, 0, 0), (0, 0)),
            ((0, 10, 10, 0), (0, 7.5)),  # the bulge peaks at 3/4 of the handles
            ((0, 1, 2, 3), (0, 3)),
            ((0, -3, 3, 0), (-0.866, 0.866)),
        ]:
            lo, hi = cubic_extent(*controls)
            self.assertAlmostEqual(lo, expected[0], 3, controls)
            self.assertAlmostEqual(hi, expected[1], 3, controls)

    def test_cut_file_gives_one_tight_box_per_block(self):
        text = ("%!PS-Adobe-3.0\r\n%AI5_BeginLayer\r\nu\r\n0.000000 0.000000 m\r\n"
                "0.000000 10.000000 10.000000 10.000000 10.000000 0.000000 c\r\nS\r\nU\r\n"
                "u\r\n5.000000 5.000000 m\r\ns\r\nU\r\n%AI5_EndLayer--\r\n")
        boxes = cut_file_boxes(text)
        self.assertEqual(len(boxes), 2)
        self.assertAlmostEqual(boxes[0][3], 7.5)
        self.assertEqual(boxes[1], (5, 5, 5, 5))

    def test_path_data_splits_subpaths_and_drops_the_move_after_close(self):
        boxes = path_boxes("M 0 0 L 10 0 L 10 5 Z M 0 0 M 20 20 C 20 30 30 30 30 20 Z M 20 20",
                           (2, 0, 0, 2, 1, 1))
        self.assertEqual(len(boxes), 2)
        self.assertEqual(boxes[0], (1, 1, 21, 11))
        self.assertAlmostEqual(boxes[1][3], 56)

    def test_reference_follows_uses_and_leaves_defs_out(self):
        svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">'
               '<defs><g id="s"><path d="M 0 0 L 4 4"/></g><clipPath id="c"><path d="M 0 0 L 9 9"/>'
               '</clipPath></defs><g transform="matrix(1,0,0,1,10,0)"><use xlink:href="#s" x="2"/>'
               '<rect width="100" height="100"/></g></svg>')
        # Page top-left at (10, 0) px, page 30 pt high: px to points, y up.
        boxes, merged = reference_boxes(svg, 10, 0, 30)
        self.assertEqual((boxes, merged), ([(1.5, 27.0, 4.5, 30.0)], [(1.5, 27.0, 4.5, 30.0)]))


class Matching(unittest.TestCase):
    def test_boxes_within_tolerance_match_once_each(self):
        for cut, reference, extra, missing in [
            ([(0, 0, 10, 10)], [(0.4, -0.4, 10.4, 9.6)], 0, 0),
            ([(0, 0, 10, 10)], [(0.6, 0, 10, 10)], 1, 1),
            ([(0, 0, 1000, 10)], [(4, 0, 1004, 10)], 0, 0),  # half a percent of the size
            ([(0, 0, 10, 10)] * 2, [(0, 0, 10, 10)], 1, 0),
            ([], [(0, 0, 1, 1)], 0, 1),
        ]:
            found = match(cut, reference)
            self.assertEqual((len(found[0]), len(found[1])), (extra, missing), (cut, reference))

    def test_differences_are_named(self):
        page = (-100, -100, 200, 200)
        for cut, reference, expected in [
            ([(0, 0, 10, 10)], [(0, 0, 10, 10)], []),
            ([(5, 0, 15, 10), (25, 0, 35, 10)], [(0, 0, 10, 10), (20, 0, 30, 10)],
             ["shifted: all 2 unmatched path(s) by 5.00, 0.00 pt"]),
            ([(0, 0, 20, 40), (40, 0, 60, 20)], [(0, 0, 10, 20), (20, 0, 30, 10)],
             ["scaled: all 2 unmatched path(s) by 2.0000 x 2.0000, then shifted by 0.00, 0.00 pt"]),
            # One path each is no evidence of a move: both are named as they are.
            ([(5, 0, 15, 10)], [(0, 0, 10, 10)],
             ["extra: 1 of 1 cut path(s) not painted in the reference, e.g. [5.0 0.0 15.0 10.0]",
              "missing: 1 of 1 painted path(s) not cut, e.g. [0.0 0.0 10.0 10.0]"]),
            ([(300, 0, 310, 10)], [], ["beyond the rendered area (the reference drops it): 1 path(s)"]),
            ([(3, 4, 3, 4)], [], ["extra: 1 single-point path(s) (a lone move), e.g. at 3.0, 4.0"]),
            ([], [(0, 0, 10, 20)], ["missing: 1 of 1 painted path(s) not cut, e.g. [0.0 0.0 10.0 20.0]"]),
        ]:
            self.assertEqual(describe(cut, reference, page), expected)

    def test_a_second_cut_path_on_a_merged_outline_is_named_the_references_doing(self):
        box = (0, 0, 10, 10)
        lines = describe([box, box, box], [box], (-100, -100, 200, 200), merged=[box])
        self.assertEqual(len(lines), 2)
        self.assertTrue(lines[0].startswith("reference: 1 outline(s) filled by one element"))
        self.assertTrue(lines[1].startswith("extra: 1 of 3 cut path(s)"))


if __name__ == "__main__":
    unittest.main()
