#!/usr/bin/env python3
"""The corpus check: kwhost on SVG art made by others, every cut path compared with librsvg.

Installs Debian packages of clip art, icon themes, the drawing editor's examples and tutorials
and documentation diagrams; picks files from them deterministically; runs
`kwhost FILE --mode all --press cut` on each, with the receiver registered as the cutting
application; and matches the cut file's path boxes against the boxes of the paths librsvg paints
(rendered to vector SVG with reader.css, which makes it draw what kwhost is meant to cut).
The last line is `N files: exact A, different B, refused C, crashed D`.
"""

import argparse
import collections
import concurrent.futures
import gzip
import hashlib
import os
import random
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry import PT_PER_PX, cut_file_boxes, reference_boxes  # noqa: E402
from matching import describe  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))

# (package, folder its drawings lie under, files taken per round of the pick); about 30 MB to
# download in all. The tutorials' translations repeat the same art, so only the originals count.
SOURCES = [
    ("openclipart-svg", "/usr/share/openclipart/", 3),
    ("inkscape", "/usr/share/inkscape/examples/", 1),
    ("inkscape-tutorials", "/usr/share/inkscape/tutorials/", 1),
    ("tango-icon-theme", "/usr/share/icons/", 1),
    ("elementary-icon-theme", "/usr/share/icons/", 1),
    ("adwaita-icon-theme", "/usr/share/icons/", 1),
    ("doxygen-doc", "/usr/share/doc/", 1),
    ("postgresql-doc-15", "/usr/share/doc/", 1),
    ("libglib2.0-doc", "/usr/share/gtk-doc/", 1),
]
TRANSLATION = re.compile(r"\.[a-z]{2,3}(?:_[A-Z]{2})?\.svgz?$")
TOOLS = ["librsvg2-bin"]

# What a file holds that may explain a difference, shown beside it.
FEATURES = [
    ("<use>", r"<(?:\w+:)?use\b"),
    ("<symbol>", r"<(?:\w+:)?symbol\b"),
    ("<style> sheet", r"<(?:\w+:)?style\b"),
    ("fill url()", r"fill\s*[:=]\s*[\"']?\s*url\("),
    ("stroke url()", r"stroke\s*[:=]\s*[\"']?\s*url\("),
    ("layer", r"groupmode\s*=\s*[\"']layer"),
    ("currentColor", r"(?i)currentColor"),
    ("context paint", r"context-(?:fill|stroke)"),
    ("<switch>", r"<(?:\w+:)?switch\b"),
    ("<svg:...> prefix", r"<svg:\w"),
    ("percentage length", r"\b(?:width|height|x|y|r|rx|ry|cx|cy)\s*=\s*[\"'][-\d.]+%"),
    ("<text>", r"<(?:\w+:)?(?:text|flowRoot)\b"),
    ("marker", r"marker(?:-start|-mid|-end)?\s*[:=]\s*[\"']?\s*url"),
    ("mesh or hatch paint", r"<(?:\w+:)?(?:meshgradient|meshGradient|hatch)\b"),
]
NESTED_SVG = re.compile(r"<(?:\w+:)?svg\b")
SANITIZER = re.compile(r"(ERROR: \w+Sanitizer: [^\n]*|runtime error: [^\n]*)")

Outcome = collections.namedtuple("Outcome", "path kind lines features", defaults=[()])


def sh(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def install_packages():
    wanted = [p for p, _, _ in SOURCES] + TOOLS
    missing = [p for p in wanted
               if "install ok installed" not in sh("dpkg-query", "-W", "-f=${Status}", p).stdout]
    if not missing:
        return
    print("installing:", " ".join(missing), flush=True)
    if os.geteuid() != 0:
        sys.exit("corpus: installing needs root: apt-get install " + " ".join(missing))
    sh("apt-get", "update", "-qq")
    result = sh("apt-get", "-o", "DPkg::Lock::Timeout=600", "install", "-y", "-qq", *missing,
                env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    if result.returncode != 0:
        sys.exit("corpus: apt-get install failed:\n" + result.stderr)


def package_drawings(package, folder):
    files = sh("dpkg", "-L", package).stdout.split("\n")
    return sorted(f for f in files if f.startswith(folder) and f.endswith((".svg", ".svgz"))
                  and not TRANSLATION.search(f) and os.path.isfile(f) and not os.path.islink(f))


def pick(limit, seed):
    """Round robin over the packages, each shuffled with the seed; identical files once."""
    queues = []
    for package, folder, per_round in SOURCES:
        files = package_drawings(package, folder)
        random.Random("%s:%s" % (seed, package)).shuffle(files)
        queues.append((files, per_round))
    chosen, seen = [], set()
    while len(chosen) < limit and any(files for files, _ in queues):
        for files, per_round in queues:
            taken = 0
            while files and taken < per_round and len(chosen) < limit:
                path = files.pop()
                with open(path, "rb") as f:
                    digest = hashlib.sha1(f.read()).digest()
                if digest not in seen:
                    seen.add(digest)
                    chosen.append(path)
                    taken += 1
    return sorted(chosen)


def register_receiver(build, work):
    """The receiver as the cutting application, in a registry folder of our own."""
    key = os.path.join(work, "registry/user/Software/Talvex/Kerfworks")
    os.makedirs(key, exist_ok=True)
    os.makedirs(os.path.join(work, "registry/machine"), exist_ok=True)
    wrapper = os.path.join(work, "Kerfworks")
    with open(wrapper, "w") as f:
        f.write('#!/bin/sh\nexec "%s" "$@" >/dev/null\n'
                % os.path.join(build, "tools/receiver/kwreceiver"))
    os.chmod(wrapper, 0o755)
    with open(os.path.join(key, "Folder.reg"), "w") as f:
        f.write("Path=%s\n" % wrapper)


def run(args, timeout, env=None):
    """(returncode or None on timeout, stdout, stderr); a hung program's whole group is ended."""
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                            errors="replace", env=env, start_new_session=True)
    try:
        out, err = proc.communicate(timeout=timeout)
        return proc.returncode, out, err
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, err = proc.communicate()
        return None, out, err


def readable_copy(path, folder):
    """kwhost and the renderer read plain SVG; a compressed drawing is unpacked first."""
    if not path.endswith(".svgz"):
        return path
    copy = os.path.join(folder, os.path.basename(path)[:-1])
    with gzip.open(path, "rb") as src, open(copy, "wb") as dst:
        dst.write(src.read())
    return copy


def kwhost_outcome(code, out, err, timeout):
    """(kind, detail) when kwhost did not finish cleanly, else None."""
    sanitizer = SANITIZER.search(err)
    if sanitizer:
        # The first frame in our own sources, not the system's headers.
        frame = re.search(r"#\d+ 0x[0-9a-f]+ in (\S+) (?:\.\./)*(?!/usr/)(\S+:\d+)", err)
        sanitizer = re.sub(r" on address .*", "", sanitizer.group(1)) + (
            " in %s %s" % frame.groups() if frame else "")
    if code is None:
        return "crashed", "hung: no end after %d s" % timeout
    if code < 0:
        name = signal.Signals(-code).name if -code in signal.valid_signals() else str(-code)
        said = sanitizer or (err.strip().splitlines() or [""])[-1]
        return "crashed", "signal %s" % name + ("; " + said if said else "")
    if sanitizer:
        return "crashed", sanitizer
    if code != 0:
        said = [line for line in (err + out).splitlines() if line.strip()]
        return "refused", "exit %d: %s" % (code, said[-1].strip() if said else "no message")
    return None


def wait_for(path, seconds=10):
    end = time.monotonic() + seconds
    while not os.path.exists(path) and time.monotonic() < end:
        time.sleep(0.05)
    return os.path.exists(path)


def check(path, index, opts):
    folder = os.path.join(opts.work, "%04d" % index)
    os.makedirs(folder, exist_ok=True)
    drawing = readable_copy(path, folder)
    report = os.path.join(folder, "receiver-report.txt")
    env = dict(os.environ, KW_REGISTRY_USER=os.path.join(opts.work, "registry/user"),
               KW_REGISTRY_MACHINE=os.path.join(opts.work, "registry/machine"),
               KW_RECEIVER_REPORT=report, KWHOST_PREFERENCES=os.path.join(folder, "prefs.txt"),
               TMPDIR=folder)
    code, out, err = run([opts.kwhost, drawing, "--mode", "all", "--press", "cut"], opts.timeout, env)
    failed = kwhost_outcome(code, out, err, opts.timeout)
    if failed:
        return Outcome(path, failed[0], [failed[1]])
    page = re.search(r"^opened .*: ([\d.]+) x ([\d.]+) pt", out, re.M)
    cut = re.search(r"cut file written: (.*)", out)
    if not page or not cut or not wait_for(report):
        return Outcome(path, "different", ["kwhost wrote no cut file, or the receiver got none"])
    with open(report) as f:
        received = f.read()
    if "status: ok" not in received:
        return Outcome(path, "different", ["the receiver refused the cut file: " + received.strip()])
    with open(cut.group(1).strip()) as f:
        cut_boxes = cut_file_boxes(f.read())
    width, height = float(page.group(1)), float(page.group(2))
    region = drawn_region(width, height, received)
    rendered = os.path.join(folder, "reference.svg")
    left, top = -region[0] / PT_PER_PX, (region[3] - height) / PT_PER_PX
    code, _, rsvg_err = run(["rsvg-convert", "-f", "svg", "-l", "en",
                             "-s", os.path.join(HERE, "reader.css"),
                             "--page-width", str((region[2] - region[0]) / PT_PER_PX),
                             "--page-height", str((region[3] - region[1]) / PT_PER_PX),
                             "--left", str(left), "--top", str(top), "-o", rendered, drawing],
                            opts.timeout)
    if code != 0:
        return Outcome(path, "different", ["the reference renderer failed: " + rsvg_err.strip()[:200]])
    with open(rendered) as f:
        reference, merged = reference_boxes(f.read(), left, top, height)
    lines = describe(cut_boxes, reference, region, merged)
    if not lines:
        return Outcome(path, "exact", [])
    return Outcome(path, "different", lines, features(drawing))


def drawn_region(width, height, received):
    """The box, in page points, that the reference draws: the page and everything kwhost cut,
    with a wide margin, since the renderer drops what lies outside its page."""
    box = [0, 0, width, height]
    cut = re.search(r"^bbox: (\S+) (\S+) (\S+) (\S+)$", received, re.M)
    if cut:
        x0, y0, x1, y1 = (float(v) for v in cut.groups())
        box = [min(box[0], x0), min(box[1], y0), max(box[2], x1), max(box[3], y1)]
    margin = max(box[2] - box[0], box[3] - box[1]) + 100
    return (box[0] - margin, box[1] - margin, box[2] + margin, box[3] + margin)


def features(drawing):
    """(name, count) of each known trouble maker the drawing holds."""
    with open(drawing, encoding="utf-8", errors="replace") as f:
        text = f.read()
    found = [(name, n) for name, pattern in FEATURES if (n := len(re.findall(pattern, text)))]
    if (n := len(NESTED_SVG.findall(text))) > 1:
        found.append(("nested <svg>", n - 1))
    return tuple(found)


def cause_key(line):
    """A line without its numbers and example: what groups files."""
    return re.sub(r"-?\d+(?:\.\d+)?", "N", re.sub(r",? e\.g\..*", "", line))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/native", help="the build folder (default build/native)")
    parser.add_argument("--limit", type=int, default=300, help="how many files (default 300)")
    parser.add_argument("--jobs", type=int, default=2, help="files checked at once (default 2)")
    parser.add_argument("--seed", default="kerfworks", help="the seed of the pick")
    parser.add_argument("--timeout", type=int, default=120, help="seconds a program may take")
    parser.add_argument("--no-install", action="store_true", help="use what is installed")
    parser.add_argument("files", nargs="*", help="check these drawings instead of the pick")
    opts = parser.parse_args()
    build = os.path.abspath(opts.build)
    opts.kwhost = os.path.join(build, "tools/kwhost/kwhost")
    for program in (opts.kwhost, os.path.join(build, "tools/receiver/kwreceiver")):
        if not os.access(program, os.X_OK):
            sys.exit("corpus: %s is not built (build the targets kwhost and kwreceiver)" % program)
    if not opts.no_install:
        install_packages()
    opts.work = os.path.join(build, "corpus")
    register_receiver(build, opts.work)
    files = opts.files or pick(opts.limit, opts.seed)
    print("checking %d files with %s" % (len(files), opts.kwhost), flush=True)
    with concurrent.futures.ThreadPoolExecutor(max(1, opts.jobs)) as pool:
        outcomes = []
        for outcome in pool.map(lambda job: check(job[1], job[0], opts), enumerate(files)):
            outcomes.append(outcome)
            if len(outcomes) % 50 == 0:
                print("  %d done" % len(outcomes), file=sys.stderr, flush=True)
    causes, hinted = collections.Counter(), collections.defaultdict(collections.Counter)
    for outcome in outcomes:
        if outcome.kind == "exact":
            continue
        print("%s %s" % (outcome.kind.upper(), outcome.path))
        for line in outcome.lines:
            print("  " + line)
        if outcome.kind == "different":
            held = ", ".join("%s %d" % f for f in outcome.features)
            print("  file has: " + (held or "none of the known trouble makers"))
        prefix = "" if outcome.kind == "different" else outcome.kind + ": "
        for key in {cause_key(prefix + line) for line in outcome.lines}:
            causes[key] += 1
            hinted[key].update(name for name, _ in outcome.features)
    if causes:
        print("\ncauses, by the number of files they hit (and what those files hold):")
        for key, count in causes.most_common():
            print("  %4d  %s" % (count, key))
            if hinted[key]:
                print("          " + ", ".join("%s %d" % f for f in hinted[key].most_common()))
    kinds = collections.Counter(o.kind for o in outcomes)
    print("%d files: exact %d, different %d, refused %d, crashed %d"
          % (len(outcomes), kinds["exact"], kinds["different"], kinds["refused"], kinds["crashed"]))


if __name__ == "__main__":
    main()
