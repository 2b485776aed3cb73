"""Matching kwhost's cut paths against the reference's painted paths, box by box, and naming
what differs."""

import bisect

ABS_TOLERANCE_PT = 0.5
REL_TOLERANCE = 0.005


def tolerance(box):
    return max(ABS_TOLERANCE_PT, REL_TOLERANCE * max(box[2] - box[0], box[3] - box[1]))


def same_box(a, b):
    tol = max(tolerance(a), tolerance(b))
    return all(abs(p - q) <= tol for p, q in zip(a, b))


def match(cut, reference):
    """(extra, missing): the boxes of `cut` left without a partner in `reference`, and the
    reverse. Each box is used at most once, so duplicates count."""
    order = sorted(range(len(reference)), key=lambda k: reference[k][0])
    lefts = [reference[k][0] for k in order]
    used = [False] * len(order)
    extra = []
    for box in cut:
        reach = 2 * tolerance(box)  # a partner's size, and so its tolerance, is close to ours
        k = bisect.bisect_left(lefts, box[0] - reach)
        while k < len(order) and lefts[k] <= box[0] + reach:
            if not used[k] and same_box(box, reference[order[k]]):
                used[k] = True
                break
            k += 1
        else:
            extra.append(box)
    missing = [reference[order[k]] for k in range(len(order)) if not used[k]]
    return extra, missing


def union(boxes):
    return (min(b[0] for b in boxes), min(b[1] for b in boxes),
            max(b[2] for b in boxes), max(b[3] for b in boxes))


def common_move(extra, missing):
    """(sx, sy, tx, ty) when one scale and shift takes every missing box onto an extra one, as a
    wrong viewport or transform would; None otherwise. A single pair always fits, so it takes
    two or more."""
    if len(extra) != len(missing) or len(extra) < 2:
        return None
    have, want = union(extra), union(missing)
    sx = (have[2] - have[0]) / (want[2] - want[0]) if want[2] > want[0] else 1.0
    sy = (have[3] - have[1]) / (want[3] - want[1]) if want[3] > want[1] else 1.0
    tx, ty = have[0] - sx * want[0], have[1] - sy * want[1]
    moved = [(sx * b[0] + tx, sy * b[1] + ty, sx * b[2] + tx, sy * b[3] + ty) for b in missing]
    return (sx, sy, tx, ty) if match(extra, moved) == ([], []) else None


def fmt_box(box):
    return "[%.1f %.1f %.1f %.1f]" % box


def describe(cut, reference, page, merged=()):
    """Lines naming each kind of difference, empty when the two agree. `page` is the box the
    reference was rendered over; what lies wholly outside it the renderer dropped. `merged` are
    the reference's boxes that may stand for a fill and a stroke of one outline drawn by two
    elements; a second cut path on such a box is the reference's doing, and named so."""
    extra, missing = match(cut, reference)
    lines = []
    if extra and merged:
        unmerged, _ = match(extra, merged)
        if len(unmerged) < len(extra):
            lines.append("reference: %d outline(s) filled by one element and stroked by another, "
                         "merged into one path by cairo; kwhost cuts both" % (len(extra) - len(unmerged)))
            extra = unmerged
    move = common_move(extra, missing)
    if move:
        sx, sy, tx, ty = move
        if abs(sx - 1) <= REL_TOLERANCE and abs(sy - 1) <= REL_TOLERANCE:
            return lines + ["shifted: all %d unmatched path(s) by %.2f, %.2f pt" % (len(extra), tx, ty)]
        return lines + ["scaled: all %d unmatched path(s) by %.4f x %.4f, then shifted by "
                        "%.2f, %.2f pt" % (len(extra), sx, sy, tx, ty)]
    outside, points, others = [], [], []
    for b in extra:
        if b[2] < page[0] or b[0] > page[2] or b[3] < page[1] or b[1] > page[3]:
            outside.append(b)
        elif b[0] == b[2] and b[1] == b[3]:
            points.append(b)
        else:
            others.append(b)
    if outside:
        lines.append("beyond the rendered area (the reference drops it): %d path(s)" % len(outside))
    if points:
        lines.append("extra: %d single-point path(s) (a lone move), e.g. at %.1f, %.1f"
                     % (len(points), *points[0][:2]))
    if others:
        lines.append("extra: %d of %d cut path(s) not painted in the reference, e.g. %s"
                     % (len(others), len(cut), fmt_box(others[0])))
    if missing:
        lines.append("missing: %d of %d painted path(s) not cut, e.g. %s"
                     % (len(missing), len(reference), fmt_box(missing[0])))
    return lines
