"""The include check on small trees written for each case."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from include_check import check  # noqa: E402

# A tree that keeps every rule; each case adds or changes files on top of it.
GOOD = {
    "plugin/plugin.cpp": '#include "palette/palette.h"\n#include "wrappers/host.h"\n',
    "palette/palette.h": '#include "output/settings.h"\n',
    "output/settings.h": '#include "hostapi/types.h"\n',
    "wrappers/host.h": '#include <vector>\n#include "hostapi/types.h"\n',
    "hostapi/types.h": "",
    "standin/host.cpp": '#include "hostapi/types.h"\n',
    "tools/kwhost/main.cpp": '#include "standin/host.cpp"\n#include "options.h"\n',
    "tools/kwhost/options.h": "",
    "tests/area/fixture.cpp": '#include "support/host.h"\n#include "palette/palette.h"\n',
    "tests/support/host.h": "",
}


def inc(name):
    return f'#include "{name}"\n'


def problems_of(changes):
    files = {**GOOD, **changes}
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                out.write(text)
        return check(root)[0]


class IncludeCheck(unittest.TestCase):
    def test_a_tree_that_keeps_the_rules_passes(self):
        self.assertEqual(problems_of({}), [])

    def test_each_fault_is_named_with_its_file_and_line(self):
        for case, changes, expected in [
            ("upward", {"palette/items.h": "", "output/settings.h": "\n" + inc("palette/items.h")},
             ['output/settings.h:2: includes "palette/items.h": output/ may not include palette/']),
            ("plug-in reaches the stand-in", {"wrappers/host.h": inc("standin/host.cpp")},
             ['wrappers/host.h:1: includes "standin/host.cpp": wrappers/ may not include']),
            ("stand-in reaches a tool", {"standin/host.cpp": inc("tools/kwhost/options.h")},
             ['standin/host.cpp:1: includes "tools/kwhost/options.h": standin/ may not include']),
            ("missing file", {"palette/palette.h": inc("palette/gone.h")},
             ['palette/palette.h:1: includes "palette/gone.h", which names no file']),
            ("unplaced folder", {"extras/x.cpp": ""},
             ["extras: has C or C++ sources but no place"]),
            ("header cycle", {"tests/support/host.h": inc("support/other.h"),
                              "tests/support/other.h": inc("host.h")},
             ["include cycle: tests/support/host.h:1 includes tests/support/other.h; "
              "tests/support/other.h:1 includes tests/support/host.h"]),
            ("plug-in pair cycle", {"palette/a.cpp": inc("palette/b.h"), "palette/a.h": "",
                                    "palette/b.h": "",
                                    "palette/b.cpp": inc("palette/b.h") + inc("palette/a.h")},
             ["include cycle: palette/a.cpp:1 includes palette/b.h; "
              "palette/b.cpp:2 includes palette/a.h"]),
        ]:
            with self.subTest(case):
                problems = problems_of(changes)
                self.assertEqual(len(problems), len(expected), problems)
                for problem, start in zip(problems, expected):
                    self.assertTrue(problem.startswith(start), problem)

    def test_source_pairs_outside_the_plug_in_are_not_one_file(self):
        # Two stand-in models that answer to each other through their sources are no cycle.
        self.assertEqual(problems_of({
            "standin/a.h": "", "standin/b.h": "",
            "standin/a.cpp": '#include "standin/b.h"\n',
            "standin/b.cpp": '#include "standin/a.h"\n'}), [])


if __name__ == "__main__":
    unittest.main()
