#!/usr/bin/env python3
"""Draws the hazard symbols of the data sheet pages: orange squares with black pictograms, one
PNG per hazard class code of the class lists, and the red cross of the first-aid row.

Usage: generate_symbols.py OUTPUT_FOLDER

Python 3 standard library only. Every shape is a test of one pixel against simple geometry
(circles, ellipses, polygons, thick line segments), sampled 4 x 4 times per pixel so that the
edges are smooth.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

WIDTH, HEIGHT = 128, 150  # the pages show them at 64 x 75
SQUARE = 128              # the orange square; the code is written below it
SAMPLES = 4

ORANGE = (247, 148, 29)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (220, 0, 0)


# --- shapes: each takes a point (x, y) in units of the square (0 to 1) ---------------------------

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def segment(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(hole(x, y) for hole in holes)


# --- pictograms: lists of (shape, colour), painted in order -------------------------------------

def skull_and_crossbones():
    bones = union(segment(0.22, 0.64, 0.78, 0.88, 0.07), segment(0.78, 0.64, 0.22, 0.88, 0.07),
                  circle(0.2, 0.61, 0.04), circle(0.25, 0.66, 0.04), circle(0.8, 0.61, 0.04), circle(0.75, 0.66, 0.04),
                  circle(0.2, 0.91, 0.04), circle(0.25, 0.86, 0.04), circle(0.8, 0.91, 0.04), circle(0.75, 0.86, 0.04))
    skull = union(ellipse(0.5, 0.36, 0.19, 0.18), rect(0.39, 0.42, 0.61, 0.6))
    holes = [ellipse(0.43, 0.38, 0.055, 0.06), ellipse(0.57, 0.38, 0.055, 0.06),
             polygon([(0.5, 0.45), (0.47, 0.51), (0.53, 0.51)]),
             rect(0.435, 0.54, 0.455, 0.6), rect(0.49, 0.54, 0.51, 0.6), rect(0.545, 0.54, 0.565, 0.6)]
    return [(bones, BLACK), (minus(skull, *holes), BLACK)]


def st_andrews_cross():
    return [(union(segment(0.2, 0.2, 0.8, 0.8, 0.13), segment(0.8, 0.2, 0.2, 0.8, 0.13)), BLACK)]


def corrosion():
    tubes = union(segment(0.2, 0.12, 0.38, 0.36, 0.09), segment(0.8, 0.12, 0.62, 0.36, 0.09))
    drops = union(ellipse(0.36, 0.46, 0.025, 0.04), ellipse(0.34, 0.55, 0.02, 0.03),
                  ellipse(0.64, 0.46, 0.025, 0.04), ellipse(0.66, 0.55, 0.02, 0.03))
    hand = polygon([(0.1, 0.66), (0.42, 0.66), (0.42, 0.72), (0.3, 0.72), (0.3, 0.78), (0.42, 0.78),
                    (0.42, 0.84), (0.1, 0.84)])
    bitten_hand = minus(hand, circle(0.35, 0.64, 0.05))
    bar = minus(rect(0.56, 0.68, 0.9, 0.84), circle(0.66, 0.66, 0.045), circle(0.76, 0.67, 0.035))
    base = rect(0.08, 0.88, 0.92, 0.92)
    return [(union(tubes, drops, bitten_hand, bar, base), BLACK)]


def flame_shape(cx, base_y, height, width):
    """A flame: a rounded body with three tongues rising from it."""
    body = ellipse(cx, base_y - height * 0.3, width / 2, height * 0.3)
    tongues = union(
        polygon([(cx - width * 0.45, base_y - height * 0.35), (cx - width * 0.15, base_y - height),
                 (cx + width * 0.05, base_y - height * 0.45)]),
        polygon([(cx - width * 0.2, base_y - height * 0.4), (cx + width * 0.12, base_y - height * 0.85),
                 (cx + width * 0.45, base_y - height * 0.35)]),
        polygon([(cx - width * 0.45, base_y - height * 0.3), (cx - width * 0.42, base_y - height * 0.72),
                 (cx - width * 0.2, base_y - height * 0.4)]))
    return union(body, tongues)


def flame():
    return [(flame_shape(0.5, 0.8, 0.66, 0.5), BLACK), (rect(0.18, 0.84, 0.82, 0.89), BLACK)]


def flame_over_circle():
    return [(flame_shape(0.5, 0.62, 0.54, 0.44), BLACK), (ring(0.5, 0.7, 0.17, 0.09), BLACK),
            (circle(0.5, 0.7, 0.09), ORANGE),
            (rect(0.18, 0.9, 0.82, 0.94), BLACK)]


def exploding_bomb():
    spikes = []
    for k in range(12):
        angle = 2 * math.pi * k / 12
        spikes.append((0.5 + 0.42 * math.cos(angle), 0.5 + 0.42 * math.sin(angle)))
        half = angle + math.pi / 12
        spikes.append((0.5 + 0.2 * math.cos(half), 0.5 + 0.2 * math.sin(half)))
    blast = minus(polygon(spikes), circle(0.5, 0.5, 0.24))
    ball = circle(0.5, 0.5, 0.16)
    fragments = union(circle(0.18, 0.2, 0.03), circle(0.83, 0.22, 0.025), circle(0.85, 0.8, 0.03),
                      circle(0.16, 0.82, 0.025))
    return [(union(blast, ball, fragments), BLACK)]


def dead_tree_and_fish():
    tree = union(segment(0.3, 0.82, 0.3, 0.3, 0.06), segment(0.3, 0.5, 0.14, 0.32, 0.04),
                 segment(0.3, 0.42, 0.46, 0.24, 0.04), segment(0.3, 0.32, 0.22, 0.16, 0.035),
                 segment(0.4, 0.33, 0.5, 0.3, 0.03))
    ground = rect(0.1, 0.82, 0.9, 0.86)
    fish_body = ellipse(0.66, 0.72, 0.17, 0.065)
    tail = polygon([(0.8, 0.72), (0.92, 0.64), (0.92, 0.8)])
    eye = union(segment(0.53, 0.69, 0.57, 0.73, 0.012), segment(0.57, 0.69, 0.53, 0.73, 0.012))
    return [(union(tree, ground, tail), BLACK), (minus(fish_body, eye), BLACK)]


# The classic symbols and the class codes that show them (T+ and F+ are stored as Tx and Fx).
SYMBOLS = {
    "Tx": ("T+", skull_and_crossbones),
    "T": ("T", skull_and_crossbones),
    "C": ("C", corrosion),
    "Xn": ("Xn", st_andrews_cross),
    "Xi": ("Xi", st_andrews_cross),
    "E": ("E", exploding_bomb),
    "O": ("O", flame_over_circle),
    "Fx": ("F+", flame),
    "F": ("F", flame),
    "N": ("N", dead_tree_and_fish),
}

# A 5 x 7 pixel font for the codes written below the square.
GLYPHS = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "C": [".####", "#....", "#....", "#....", "#....", "#....", ".####"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "n": [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
}
GLYPH_SCALE = 2


def render(layers, label):
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    for py in range(SQUARE):
        for px in range(SQUARE):
            border = px < 3 or py < 3 or px >= SQUARE - 3 or py >= SQUARE - 3
            if border:
                pixels[py][px] = BLACK
                continue
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / SQUARE
                    y = (py + (sy + 0.5) / SAMPLES) / SQUARE
                    colour = ORANGE
                    for shape, paint in layers:
                        if shape(x, y):
                            colour = paint
                    for c in range(3):
                        total[c] += colour[c]
            pixels[py][px] = tuple(t // (SAMPLES * SAMPLES) for t in total)
    if label:
        width = len(label) * 6 * GLYPH_SCALE - GLYPH_SCALE
        left = (WIDTH - width) // 2
        top = SQUARE + (HEIGHT - SQUARE - 7 * GLYPH_SCALE) // 2
        for index, char in enumerate(label):
            for row, bits in enumerate(GLYPHS[char]):
                for column, bit in enumerate(bits):
                    if bit != "#":
                        continue
                    for dy in range(GLYPH_SCALE):
                        for dx in range(GLYPH_SCALE):
                            x = left + (index * 6 + column) * GLYPH_SCALE + dx
                            pixels[top + row * GLYPH_SCALE + dy][x] = BLACK
    return pixels


def red_cross():
    size = 70
    pixels = [[WHITE] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if (22 <= x < 48 and 6 <= y < 64) or (6 <= x < 64 and 22 <= y < 48):
                pixels[y][x] = RED
    return pixels


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                     chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for code, (label, pictogram) in SYMBOLS.items():
        write_png(folder / f"{code}.png", render(pictogram(), label))
    write_png(folder / "redcross.png", red_cross())


if __name__ == "__main__":
    main()
