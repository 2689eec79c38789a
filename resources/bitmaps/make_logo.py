#!/usr/bin/env python3
"""Draws the program's logo, TVRNLOGO.txt: a flask inside the three orbits of an atom.

The drawing is a stack of shapes described by geometry. Every pixel is sampled
4 x 4 times; a pixel takes the colour most of its samples show, except that a
black edge on the light-gray background is softened with dark gray.

Run: python3 make_logo.py  (writes TVRNLOGO.txt beside this file)
"""
import math
import os

SIZE = 200
SUB = 4
CX, CY = 100.0, 102.0

PALETTE = [(".", "#C0C0C0"), ("k", "#000000"), ("w", "#FFFFFF"), ("d", "#808080"),
           ("r", "#FF0000"), ("m", "#800000"), ("g", "#00FF00"), ("G", "#008000"),
           ("b", "#0000FF")]


# ---- signed distances (negative inside) ----

def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def polygon_sdf(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        d = min(segment_distance(x, y, ax, ay, bx, by) for (ax, ay), (bx, by) in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    return sdf


def rounded(sdf, radius):
    """The shape grown by radius, its corners rounded with that radius."""
    return lambda x, y: sdf(x, y) - radius


def union(*sdfs):
    return lambda x, y: min(f(x, y) for f in sdfs)


# ---- the flask ----

NECK, BODY_TOP, BOTTOM = 13.0, 86.0, 164.0
LIQUID = 122.0


def body_half_width(y):
    return NECK + (y - BODY_TOP) * (58.0 - NECK) / (BOTTOM - BODY_TOP)


lip = rounded(polygon_sdf([(CX - 14, 33), (CX + 14, 33), (CX + 14, 38), (CX - 14, 38)]), 3)
neck = polygon_sdf([(CX - NECK, 36), (CX + NECK, 36), (CX + NECK, BODY_TOP + 1),
                    (CX - NECK, BODY_TOP + 1)])
body = rounded(polygon_sdf([(CX - NECK + 4, BODY_TOP), (CX + NECK - 4, BODY_TOP),
                            (CX + 58 - 9, BOTTOM - 5), (CX - 58 + 9, BOTTOM - 5)]), 5)
flask = union(lip, neck, body)
# bubbles (x, y, radius): three in the liquid, three rising in the glass
BUBBLES = [(CX - 22, 148, 6.0), (CX + 6, 140, 5.0), (CX + 22, 154, 4.0),
           (CX - 4, 106, 4.5), (CX + 3, 80, 4.0), (CX - 3, 58, 3.5)]


def flask_colour(x, y):
    d = flask(x, y)
    if d >= 3.5:
        return None
    if d >= 0:
        return "k"
    if lip(x, y) < 0 and y < 40:
        return "w" if x < CX + 8 else "d"
    half = NECK if y < BODY_TOP else body_half_width(y)
    rel = (x - CX) / half          # -1 at the left wall, +1 at the right wall
    surface = (y - LIQUID) ** 2 / 36.0 + ((x - CX) / body_half_width(LIQUID)) ** 2
    for bx, by, br in BUBBLES:
        e = math.hypot(x - bx, y - by)
        if e < br:
            if by > LIQUID:
                return "w" if e >= br - 1.8 else "g"
            return "d" if e >= br - 1.8 else "w"
    if y > LIQUID or surface < 1:
        if surface < 1 and y < LIQUID + 6:
            return "g" if surface < 0.6 else "G"
        if -0.86 < rel < -0.7:
            return "w"
        return "G" if rel > 0.62 else "g"
    if 0.72 < rel < 0.86:
        return "d"
    return "w" if rel < 0.3 else "."


# ---- the orbits and their electrons ----

A, B = 84.0, 26.0
ORBITS = [math.radians(a) for a in (90, 30, 150)]
ORBIT_COLOUR = "b"


def orbit_local(x, y, angle):
    dx, dy = x - CX, y - CY
    c, s = math.cos(angle), math.sin(angle)
    return dx * c + dy * s, -dx * s + dy * c


def orbit_distance(u, v):
    f = (u / A) ** 2 + (v / B) ** 2 - 1
    g = math.hypot(2 * u / A ** 2, 2 * v / B ** 2)
    return abs(f) / g if g else A


def orbit_colour(x, y, front):
    for angle in ORBITS:
        u, v = orbit_local(x, y, angle)
        if (v > 0) != front:
            continue
        d = orbit_distance(u, v)
        if d < 2.2:
            return ORBIT_COLOUR
        if d < 4.2:
            return "k"
    return None


def on_orbit(angle, t):
    u, v = A * math.cos(t), B * math.sin(t)
    c, s = math.cos(angle), math.sin(angle)
    return CX + u * c - v * s, CY + u * s + v * c


# one electron near the outer end of each orbit: top, lower right, lower left
ELECTRONS = [on_orbit(ORBITS[0], math.radians(170)), on_orbit(ORBITS[1], math.radians(10)),
             on_orbit(ORBITS[2], math.radians(10))]
ELECTRON_RADIUS = 10.0


def electron_colour(x, y):
    for ex, ey in ELECTRONS:
        dx, dy = x - ex, y - ey
        e = math.hypot(dx, dy)
        if e >= ELECTRON_RADIUS:
            continue
        if e >= ELECTRON_RADIUS - 2.2:
            return "k"
        if math.hypot(dx + 3.5, dy + 3.5) < 2.6:
            return "w"
        if math.hypot(dx + 2.5, dy + 2.5) > ELECTRON_RADIUS - 2.0:
            return "m"
        return "r"
    return None


# ---- the embossed ring that frames the mark ----

RING_OUT, RING_IN = 98.0, 93.0


def ring_colour(x, y):
    dx, dy = x - 100.0, y - 100.0
    r = math.hypot(dx, dy)
    if not RING_IN <= r < RING_OUT:
        return None
    light = -(dx + dy) / (r * math.sqrt(2))     # 1 towards the upper left
    if r < (RING_IN + RING_OUT) / 2:
        light = -light
    return "w" if light > 0 else "d"


# ---- composing ----

LAYERS = [electron_colour, lambda x, y: orbit_colour(x, y, True), flask_colour,
          lambda x, y: orbit_colour(x, y, False), ring_colour]


def sample(x, y):
    for layer in LAYERS:
        key = layer(x, y)
        if key:
            return key
    return "."


def pixel(px, py):
    counts = {}
    for j in range(SUB):
        for i in range(SUB):
            key = sample(px + (i + 0.5) / SUB, py + (j + 0.5) / SUB)
            counts[key] = counts.get(key, 0) + 1
    black, gray = counts.get("k", 0), counts.get(".", 0)
    if black + gray == SUB * SUB and 0.3 < black / (SUB * SUB) < 0.7:
        return "d"
    return max(sorted(counts), key=counts.get)


def main():
    rows = ["".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    used = set("".join(rows))
    lines = ["# The logo: a flask of green liquid inside the three blue orbits of an atom,",
             "# with red electrons, in an embossed ring on the light-gray background.",
             "# Drawn by make_logo.py.",
             f"size {SIZE} {SIZE}", "palette"]
    lines += [f"{key} {colour}" for key, colour in PALETTE if key in used]
    lines += ["pixels"] + rows
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "TVRNLOGO.txt")
    with open(path, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
