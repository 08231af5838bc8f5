#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Scores the colours of the board's numbers as players with colour-blind sight see them,
and searches for colours that every one of them tells apart.

    number_palette.py report [CellLook.h]   the figures of both palettes
    number_palette.py check [CellLook.h]    fails unless the colour-safe palette meets
                                            its targets (run by the test suite)
    number_palette.py search [--goal D] [--seed N] [--starts N] [--steps N]
                                            looks for a palette and prints it

The colours are scored as the board shows them: the digit and the open cell's face, both
tinted by the renderer's open-cell tint. Open cells look the same in every theme (a
theme tints only closed cells and the status area), so one set of figures holds for all.
Plain Python, no packages: every formula is written out below.
"""

import argparse
import itertools
import math
import pathlib
import random
import re
import sys

# What the colour-safe palette must reach: every two numbers, and each number and its
# cell, at least this far apart (CIEDE2000) under each simulated sight; and a contrast
# with the cell of at least 3:1, the measure for graphical objects, with normal sight and
# under each simulation.
TARGET_DIFFERENCE = 10.0
TARGET_CONTRAST = 3.0
# The search keeps every difference at least this large and otherwise stays as near today's
# colours as it can, so that the numbers keep the colours players know where the sights
# allow. The margin over the target is for the digits' thin strokes, whose colours are
# harder to tell apart than the flat patches CIEDE2000 was fitted to. A goal above what
# any palette reaches (such as 100) searches for the most distinct palette instead.
SEARCH_GOAL = 15.0

CELL_LOOK = pathlib.Path(__file__).resolve().parent.parent / "src/render/model/CellLook.h"

# --- Colour science ----------------------------------------------------------------------


def linear(channel):
    """An 8-bit sRGB channel as linear light in [0, 1] (IEC 61966-2-1): a straight segment
    near black, a 2.4 power above it."""
    c = channel / 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


# Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for Simulation of
# Color Vision Deficiency": the matrices of the three dichromacies (severity 1.0), which
# act on linear RGB. Each row sums to one, so greys stay grey.
SIGHTS = {
    "normal": None,
    "protanopia": (
        (0.152286, 1.052583, -0.204868),
        (0.114503, 0.786281, 0.099216),
        (-0.003882, -0.048116, 1.051998),
    ),
    "deuteranopia": (
        (0.367322, 0.860646, -0.227968),
        (0.280085, 0.672501, 0.047413),
        (-0.011820, 0.042940, 0.968881),
    ),
    "tritanopia": (
        (1.255528, -0.076749, -0.178779),
        (-0.078411, 0.930809, 0.147602),
        (0.004733, 0.691367, 0.303900),
    ),
}
SIMULATED = ("protanopia", "deuteranopia", "tritanopia")


def seen(rgb, sight):
    """Linear RGB of an 8-bit colour as the sight sees it; the simulation can leave the
    display's gamut, so each channel is clipped to what a screen can show."""
    lin = [linear(c) for c in rgb]
    matrix = SIGHTS[sight]
    if matrix is None:
        return lin
    return [min(1.0, max(0.0, sum(m * c for m, c in zip(row, lin)))) for row in matrix]


def lab(lin):
    """CIELAB (D65 white) of linear sRGB: first CIE XYZ by the sRGB primaries, then the
    cube-root lightness and opponent axes, with the linear segment near black."""
    r, g, b = lin
    x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b
    y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b
    z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b
    white = (0.95047, 1.0, 1.08883)

    def f(t):
        delta = 6.0 / 29.0
        return t ** (1.0 / 3.0) if t > delta**3 else t / (3 * delta * delta) + 4.0 / 29.0

    fx, fy, fz = f(x / white[0]), f(y / white[1]), f(z / white[2])
    return (116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz))


def ciede2000(lab1, lab2):
    """The CIEDE2000 colour difference (CIE 142-2001, as laid out by Sharma, Wu and Dalal,
    2005), with the parametric factors kL = kC = kH = 1."""
    l1, a1, b1 = lab1
    l2, a2, b2 = lab2
    # Greys look more different from each other than CIELAB says: a' stretches the a axis
    # for colours of low chroma.
    c_mean = (math.hypot(a1, b1) + math.hypot(a2, b2)) / 2
    g = 0.5 * (1 - math.sqrt(c_mean**7 / (c_mean**7 + 25.0**7)))
    a1p, a2p = (1 + g) * a1, (1 + g) * a2
    c1p, c2p = math.hypot(a1p, b1), math.hypot(a2p, b2)
    h1p = math.degrees(math.atan2(b1, a1p)) % 360 if c1p else 0.0
    h2p = math.degrees(math.atan2(b2, a2p)) % 360 if c2p else 0.0

    # Differences of lightness, chroma and hue; the hue angle goes the short way round.
    dl = l2 - l1
    dc = c2p - c1p
    dh_angle = 0.0
    if c1p * c2p:
        dh_angle = h2p - h1p
        if dh_angle > 180:
            dh_angle -= 360
        elif dh_angle < -180:
            dh_angle += 360
    dh = 2 * math.sqrt(c1p * c2p) * math.sin(math.radians(dh_angle) / 2)

    # Means of the pair; the mean hue also goes the short way round.
    l_mean = (l1 + l2) / 2
    cp_mean = (c1p + c2p) / 2
    if not c1p * c2p:
        h_mean = h1p + h2p
    elif abs(h1p - h2p) <= 180:
        h_mean = (h1p + h2p) / 2
    else:
        h_mean = (h1p + h2p + (360 if h1p + h2p < 360 else -360)) / 2

    # Weights: lightness differences count less away from mid grey, chroma and hue
    # differences less at high chroma, hue by a function of the hue itself.
    t = (
        1
        - 0.17 * math.cos(math.radians(h_mean - 30))
        + 0.24 * math.cos(math.radians(2 * h_mean))
        + 0.32 * math.cos(math.radians(3 * h_mean + 6))
        - 0.20 * math.cos(math.radians(4 * h_mean - 63))
    )
    s_l = 1 + 0.015 * (l_mean - 50) ** 2 / math.sqrt(20 + (l_mean - 50) ** 2)
    s_c = 1 + 0.045 * cp_mean
    s_h = 1 + 0.015 * cp_mean * t
    # In the blue region chroma and hue differences interact: the rotation term.
    d_theta = 30 * math.exp(-(((h_mean - 275) / 25) ** 2))
    r_c = 2 * math.sqrt(cp_mean**7 / (cp_mean**7 + 25.0**7))
    r_t = -math.sin(math.radians(2 * d_theta)) * r_c
    lt, ct, ht = dl / s_l, dc / s_c, dh / s_h
    return math.sqrt(lt * lt + ct * ct + ht * ht + r_t * ct * ht)


def contrast(lin1, lin2):
    """The WCAG 2 contrast ratio of two colours: their relative luminances, each plus
    0.05 for the screen's flare, the lighter over the darker."""

    def luminance(lin):
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]

    y1, y2 = sorted((luminance(lin1), luminance(lin2)))
    return (y2 + 0.05) / (y1 + 0.05)


# Published CIEDE2000 pairs (Sharma, Wu and Dalal 2005, table 1) with their differences.
REFERENCE_PAIRS = (
    ((50.0, 2.6772, -79.7751), (50.0, 0.0, -82.7485), 2.0425),
    ((50.0, 0.0, 0.0), (50.0, -1.0, 2.0), 2.3669),
    ((50.0, 2.5, 0.0), (73.0, 25.0, -18.0), 27.1492),
    ((60.2574, -34.0099, 36.2677), (60.4626, -34.1751, 39.4387), 1.2644),
    ((22.7233, 20.0904, -46.694), (23.0331, 14.973, -42.5619), 2.0373),
    ((90.8027, -2.0831, 1.441), (91.1528, -1.6435, 0.0447), 1.4441),
    ((2.0776, 0.0795, -1.135), (0.9033, -0.0636, -0.5514), 0.9082),
)


def formulas_agree():
    """The formulas against values known from elsewhere: the CIEDE2000 reference pairs,
    white on black (21:1), white's lightness (100), and greys that every sight keeps."""
    agree = all(abs(ciede2000(p, q) - want) < 1e-4 for p, q, want in REFERENCE_PAIRS)
    agree &= all(abs(sum(row) - 1) < 1e-5 for m in SIGHTS.values() if m for row in m)
    white, black = seen((255, 255, 255), "normal"), seen((0, 0, 0), "normal")
    return agree and abs(contrast(white, black) - 21) < 1e-9 and abs(lab(white)[0] - 100) < 1e-3


# --- The board's colours -----------------------------------------------------------------


class Look:
    """What CellLook.h says about open cells: the face, the tint they are drawn with, and
    the numbers' colours of both palettes."""

    def __init__(self, text):
        def colour_list(name):
            body = re.search(name + r"\s*\{\{(.*?)\}\};", text, re.S)
            if not body:
                sys.exit(f"no {name} in CellLook.h")
            triples = re.findall(r"\{(\d+), (\d+), (\d+)\}", body[1])
            return [tuple(int(v) for v in c) for c in triples]

        face = re.search(r"OpenFace\s*\{(\d+), (\d+), (\d+)\}", text)
        tint = re.search(r"OpenCellTint\s*=\s*([\d.]+)f", text)
        if not face or not tint:
            sys.exit("no OpenFace or OpenCellTint in CellLook.h")
        self.tint = float(tint[1])
        self.cell = self.shown(tuple(int(v) for v in face.groups()))
        self.palettes = {
            "today's": colour_list("ClassicNumberColours"),
            "colour-safe": colour_list("ColourSafeNumberColours"),
        }

    def shown(self, rgb):
        """The colour on the screen: the picture's colour times the tint, in 8 bits."""
        return tuple(int(c * self.tint + 0.5) for c in rgb)


class Scores:
    """One palette's figures per sight: the smallest difference between two numbers,
    between a number and the cell, and the lowest contrast with the cell."""

    def __init__(self, colours, cell):
        self.by_sight = {}
        for sight in SIGHTS:
            lins = [seen(c, sight) for c in colours]
            cell_lin = seen(cell, sight)
            labs = [lab(x) for x in lins]
            cell_lab = lab(cell_lin)
            pairs = min(
                (ciede2000(labs[i], labs[j]), i + 1, j + 1)
                for i, j in itertools.combinations(range(len(labs)), 2)
            )
            to_cell = min((ciede2000(x, cell_lab), n + 1) for n, x in enumerate(labs))
            contrasts = [contrast(x, cell_lin) for x in lins]
            low = min(range(len(contrasts)), key=contrasts.__getitem__)
            self.by_sight[sight] = (pairs, to_cell, (contrasts[low], low + 1))

    def smallest_difference(self, sights=SIMULATED):
        return min(min(self.by_sight[s][0][0], self.by_sight[s][1][0]) for s in sights)

    def lowest_contrast(self, sights=tuple(SIGHTS)):
        return min(self.by_sight[s][2][0] for s in sights)

    def table(self):
        lines = ["| sight | two numbers | number and cell | contrast with the cell |"]
        lines.append("|---|---|---|---|")
        for sight, (pairs, to_cell, low) in self.by_sight.items():
            lines.append(
                f"| {sight} | {pairs[0]:.1f} ({pairs[1]} and {pairs[2]})"
                f" | {to_cell[0]:.1f} ({to_cell[1]}) | {low[0]:.2f}:1 ({low[1]}) |"
            )
        return "\n".join(lines)


def report(look):
    print(f"Open cells in every theme: {look.cell} (face times the tint {look.tint}).")
    print("Smallest CIEDE2000 differences and lowest contrast, with the numbers they belong to.")
    for name, colours in look.palettes.items():
        shown = [look.shown(c) for c in colours]
        listed = ", ".join(f"{n}: {c}" for n, c in enumerate(shown, 1))
        print(f"\n{name} palette, as shown: {listed}")
        print(Scores(shown, look.cell).table())


def check(look):
    if not formulas_agree():
        print("the colour formulas disagree with their reference values")
        return 1
    scores = Scores([look.shown(c) for c in look.palettes["colour-safe"]], look.cell)
    difference, low = scores.smallest_difference(), scores.lowest_contrast()
    print(f"colour-safe palette: smallest difference {difference:.2f}, lowest contrast {low:.2f}:1")
    if difference < TARGET_DIFFERENCE or low < TARGET_CONTRAST:
        print(f"targets: difference {TARGET_DIFFERENCE}, contrast {TARGET_CONTRAST}:1")
        return 1
    return 0


# --- The search --------------------------------------------------------------------------


class Candidate:
    """Eight stored colours with their looks under every sight kept, so that moving one
    colour costs only its own pairs."""

    def __init__(self, colours, look):
        self.look = look
        self.cell_looks = {s: seen(look.cell, s) for s in SIGHTS}
        self.cell_labs = {s: lab(v) for s, v in self.cell_looks.items()}
        self.today = [lab(seen(look.shown(c), "normal")) for c in look.palettes["today's"]]
        self.colours = list(colours)
        self.labs = [self.looks(c) for c in self.colours]
        self.cell_distance = [self.to_cell(i) for i in range(8)]
        self.distance = [[0.0] * 8 for _ in range(8)]
        for i, j in itertools.combinations(range(8), 2):
            self.set_pair(i, j)

    def looks(self, rgb):
        shown = self.look.shown(rgb)
        return {s: lab(seen(shown, s)) for s in SIGHTS}

    def fits(self, rgb):
        """Dark enough against the cell under every sight."""
        shown = self.look.shown(rgb)
        return all(contrast(seen(shown, s), self.cell_looks[s]) >= TARGET_CONTRAST for s in SIGHTS)

    def set_pair(self, i, j):
        d = min(ciede2000(self.labs[i][s], self.labs[j][s]) for s in SIGHTS)
        self.distance[i][j] = self.distance[j][i] = d

    def to_cell(self, i):
        return min(ciede2000(self.labs[i][s], self.cell_labs[s]) for s in SIGHTS)

    def score(self, goal):
        """The four smallest differences, smallest first, each counted up to the goal (a
        move that keeps the smallest but widens the next ones is still progress); then how
        near the numbers stay to today's colours, seen with normal sight."""
        values = [self.distance[i][j] for i, j in itertools.combinations(range(8), 2)]
        values = sorted(values + self.cell_distance)[:4]
        away = sum(ciede2000(self.labs[n]["normal"], self.today[n]) for n in range(8))
        return [min(v, goal) for v in values] + [-away]

    def move(self, i, rgb):
        column = [row[i] for row in self.distance]
        old = (self.colours[i], self.labs[i], self.cell_distance[i], column)
        self.colours[i], self.labs[i] = rgb, self.looks(rgb)
        self.cell_distance[i] = self.to_cell(i)
        for j in range(8):
            if j != i:
                self.set_pair(i, j)
        return old

    def undo(self, i, old):
        self.colours[i], self.labs[i], self.cell_distance[i], column = old
        for j, d in enumerate(column):
            self.distance[i][j] = self.distance[j][i] = d


def climb(rng, look, goal, steps):
    """From today's colours, darkened until they have their contrast, moves one colour at a
    time and keeps each move that does not make the score worse; the moves shrink from
    wide jumps to single levels."""
    probe = Candidate([(0, 0, 0)] * 8, look)
    colours = []
    for rgb in look.palettes["today's"]:
        while not probe.fits(rgb):
            rgb = tuple(max(0, c - 4) for c in rgb)
        colours.append(rgb)
    candidate = Candidate(colours, look)
    best = candidate.score(goal)
    for step in range(steps):
        reach = max(1, int(96 * (1 - step / steps) ** 2))
        i = rng.randrange(8)
        rgb = tuple(min(255, max(0, c + rng.randint(-reach, reach))) for c in candidate.colours[i])
        if not candidate.fits(rgb):
            continue
        old = candidate.move(i, rgb)
        score = candidate.score(goal)
        if score >= best:
            best = score
        else:
            candidate.undo(i, old)
    return best, candidate.colours


def search(look, seed, goal, starts, steps):
    """The best of several climbs, printed as the lines of CellLook.h."""
    rng = random.Random(seed)
    best = None
    for start in range(starts):
        score, colours = climb(rng, look, goal, steps)
        print(
            f"climb {start + 1}: smallest difference {score[0]:.2f}, {-score[-1]:.0f} from today's",
            file=sys.stderr,
        )
        if best is None or score > best[0]:
            best = (score, colours)
    scores = Scores([look.shown(c) for c in best[1]], look.cell)
    print(scores.table())
    print("inline constexpr std::array<Rgb8, 8> ColourSafeNumberColours {{")
    for rgb in best[1]:
        print("    {%d, %d, %d}," % rgb)
    print("}};")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("command", choices=("report", "check", "search"))
    parser.add_argument("cell_look", nargs="?", default=str(CELL_LOOK), help="CellLook.h")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--goal", type=float, default=SEARCH_GOAL)
    parser.add_argument("--starts", type=int, default=4)
    parser.add_argument("--steps", type=int, default=6000)
    args = parser.parse_args()
    look = Look(pathlib.Path(args.cell_look).read_text(encoding="utf-8"))
    if args.command == "report":
        report(look)
        return 0
    if args.command == "check":
        return check(look)
    search(look, args.seed, args.goal, args.starts, args.steps)
    return 0


if __name__ == "__main__":
    sys.exit(main())
