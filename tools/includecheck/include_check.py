#!/usr/bin/env python3
"""Checks that the source tree's `#include "..."` lines run down the layers and never in a circle.

Usage: include_check.py [ROOT]   (ROOT defaults to the repository this script lives in)

Every C and C++ file under ROOT's top-level folders is read. An include that runs against
ALLOWED, an include that names no file, a folder that ALLOWED does not place, and any cycle of
includes between files are reported with the file and line; the exit status is then 1.
"""

import os
import re
import sys

# What each top-level folder may include besides itself. This is the one statement of the
# layering: the plug-in from `plugin` at the top down to `wrappers`, resting on the OS calls and
# the host interface; the stand-in host sees only the host interface; the tools sit on the
# stand-in; tests, benchmarks and fuzz targets may reach anything they exercise.
_HOST_AND_OS = {"platform", "hostapi"}
_PLUGIN = {"plugin", "palette", "commands", "cropmarks", "output", "resources", "wrappers"}
ALLOWED = {
    "hostapi": set(),
    "platform": set(),
    "resources": set(),
    "wrappers": _HOST_AND_OS,
    "output": {"wrappers"} | _HOST_AND_OS,
    "cropmarks": {"output", "resources", "wrappers"} | _HOST_AND_OS,
    "commands": {"cropmarks", "output", "resources", "wrappers"} | _HOST_AND_OS,
    "palette": {"commands", "cropmarks", "output", "resources", "wrappers"} | _HOST_AND_OS,
    "plugin": {"palette", "commands", "cropmarks", "output", "resources", "wrappers"}
    | _HOST_AND_OS,
    "standin": {"hostapi"},
    "tools": {"standin", "hostapi"},
    "bench": _PLUGIN | _HOST_AND_OS | {"standin", "tools"},
    "fuzz": _PLUGIN | _HOST_AND_OS | {"standin", "tools"},
    "tests": _PLUGIN | _HOST_AND_OS | {"standin", "tools"},
}

# In the plug-in a header and the source of the same name count as one file for cycles, so that
# a.cpp including b.h while b.cpp includes a.h is a circle between a and b. Elsewhere only the
# files themselves count: the stand-in's models answer to the host that owns them by design.
_PAIRED_FOLDERS = _PLUGIN | _HOST_AND_OS

# Folders whose own include path also holds the folder itself (the test programs are built so).
_EXTRA_ROOTS = {"tests": "tests"}

_SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cc", ".cpp", ".inc")
_SKIPPED_DIRS = {"build"}
_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def source_files(root):
    """Every C and C++ file under root, as paths relative to it with '/' separators."""
    found = []
    for folder, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs if not d.startswith(".") and d not in _SKIPPED_DIRS)
        for name in sorted(files):
            if name.endswith(_SOURCE_SUFFIXES):
                path = os.path.relpath(os.path.join(folder, name), root)
                found.append(path.replace(os.sep, "/"))
    return found


def unit_of(path):
    """The node a file is in the cycle check: in the plug-in, its path without its suffix."""
    return os.path.splitext(path)[0] if top_folder(path) in _PAIRED_FOLDERS else path


def top_folder(path):
    return path.split("/", 1)[0] if "/" in path else ""


def resolve(root, including, name):
    """The file an include names, searched as the compiler does: beside the including file first,
    then from the root and the folder's own include root. None when there is no such file."""
    bases = [os.path.dirname(including), ""]
    extra = _EXTRA_ROOTS.get(top_folder(including))
    if extra:
        bases.append(extra)
    for base in bases:
        candidate = os.path.normpath(os.path.join(base, name)).replace(os.sep, "/")
        if not candidate.startswith("../") and os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def read_includes(root, path):
    """(line number, included name) for every quoted include of the file."""
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
        return [(number, match.group(1))
                for number, line in enumerate(source, 1)
                if (match := _INCLUDE.match(line))]


def find_cycle(graph, start):
    """A list of nodes start -> ... -> start within graph, or None. graph: node -> successors."""
    parents = {start: None}
    stack = [start]
    while stack:
        node = stack.pop()
        for successor in graph.get(node, ()):
            if successor == start:
                path = [node]
                while parents[path[-1]] is not None:
                    path.append(parents[path[-1]])
                return list(reversed(path)) + [start]
            if successor not in parents:
                parents[successor] = node
                stack.append(successor)
    return None


def strongly_connected(graph):
    """The strongly connected components of graph (Tarjan's algorithm, without recursion)."""
    index, low, on_stack, stack, components = {}, {}, set(), [], []
    counter = 0
    for root in sorted(graph):
        if root in index:
            continue
        work = [(root, iter(sorted(graph.get(root, ()))))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, successors = work[-1]
            advanced = False
            for successor in successors:
                if successor not in index:
                    index[successor] = low[successor] = counter
                    counter += 1
                    stack.append(successor)
                    on_stack.add(successor)
                    work.append((successor, iter(sorted(graph.get(successor, ())))))
                    advanced = True
                    break
                if successor in on_stack:
                    low[node] = min(low[node], index[successor])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                components.append(sorted(component))
    return components


def allowed_graph_problems():
    """ALLOWED must itself run one way, or it would permit a circle between folders."""
    graph = {folder: targets - {folder} for folder, targets in ALLOWED.items()}
    problems = [f"the allowed graph names the folder {target}, which it does not place"
                for targets in graph.values() for target in sorted(targets)
                if target not in ALLOWED]
    for component in strongly_connected(graph):
        if len(component) > 1:
            cycle = find_cycle(graph, component[0])
            problems.append("the allowed graph has a circle: " + " -> ".join(cycle))
    return problems


def check(root):
    """The problems found under root, one message each, in a stable order."""
    problems = allowed_graph_problems()
    files = source_files(root)
    graph = {unit_of(path): set() for path in files}
    where = {}
    unplaced = set()
    for path in files:
        folder = top_folder(path)
        if folder not in ALLOWED:
            unplaced.add(folder or path)
            continue
        for number, name in read_includes(root, path):
            target = resolve(root, path, name)
            if target is None:
                problems.append(f'{path}:{number}: includes "{name}", which names no file')
                continue
            unit, target_unit = unit_of(path), unit_of(target)
            if unit != target_unit:
                graph[unit].add(target_unit)
                where.setdefault((unit, target_unit), f"{path}:{number} includes {target}")
            target_folder = top_folder(target)
            if target_folder != folder and target_folder not in ALLOWED[folder]:
                may = ", ".join(sorted(ALLOWED[folder])) or "no other folder"
                problems.append(f'{path}:{number}: includes "{name}": {folder}/ may not include '
                                f"{target_folder or 'the root'}/ (it may include {may})")
    for folder in sorted(unplaced):
        problems.append(f"{folder}: has C or C++ sources but no place in the allowed graph")
    for component in strongly_connected(graph):
        if len(component) == 1:
            continue
        cycle = find_cycle(graph, component[0])
        steps = [where[(a, b)] for a, b in zip(cycle, cycle[1:])]
        problems.append("include cycle: " + "; ".join(steps))
    return problems, len(files)


def main(argv):
    default_root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    if len(argv) > 2 or (len(argv) == 2 and argv[1].startswith("-")):
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    root = argv[1] if len(argv) == 2 else default_root
    if not os.path.isdir(root):
        print(f"include_check: {root}: no such folder", file=sys.stderr)
        return 2
    problems, count = check(root)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"include_check: {len(problems)} problem(s) in {count} files", file=sys.stderr)
        return 1
    print(f"include_check: {count} files, every include runs down the layers, no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
