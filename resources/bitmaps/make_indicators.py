#!/usr/bin/env python3
"""Draws the indicator chart INDIKAT1.txt from the table of indicators below.

The picture is 420 x 150 pixels in the standard 16 colours. Rows 0 to 9 are a
silver ruler with black ticks at every pH unit, 30 pixels per unit, pH 0 at the
left edge and 14 at the right. Below it one band of 20 pixels per indicator, in
the order of the table: the acid colour up to the start of the change range,
an ordered dither from the acid to the base colour over the range, and the base
colour from its end to pH 14.

The change ranges are the ones the chart's window prints beside the bands; the
sources of ranges and colours are named in resources/bitmaps/README.md.

Run: python3 make_indicators.py  (writes INDIKAT1.txt beside this file)
"""
import os

WIDTH, HEIGHT = 420, 150
PIXELS_PER_PH = 30
RULER_ROWS = 10
BAND_ROWS = 20
BAND_GAP = 2  # silver rows at the top of each band, so that neighbouring bands stay apart
TICK_ROWS = range(3, RULER_ROWS)

# The standard 16-colour palette, each colour with its key in the picture's text.
PALETTE = [("k", "#000000"), ("m", "#800000"), ("g", "#008000"), ("o", "#808000"),
           ("n", "#000080"), ("p", "#800080"), ("t", "#008080"), (".", "#C0C0C0"),
           ("d", "#808080"), ("r", "#FF0000"), ("G", "#00FF00"), ("y", "#FFFF00"),
           ("b", "#0000FF"), ("M", "#FF00FF"), ("c", "#00FFFF"), ("w", "#FFFFFF")]

# Pink has no colour of its own among the sixteen: a fixed 4 x 4 pattern of red, white and yellow.
PINK = ["rwrw",
        "wywr",
        "rwrw",
        "wrwy"]

# name, change range (pH from, to), colours from acid to base ("pink" for the pattern above)
INDICATORS = [
    ("Alizarin yellow R", (10.1, 12.0), ["y", "r"]),
    ("ethyl orange", (3.4, 4.8), ["r", "y"]),
    ("litmus", (5.0, 8.0), ["r", "b"]),
    ("phenolphthalein", (8.2, 10.0), ["w", "pink"]),
    ("bromothymol blue", (6.0, 7.6), ["y", "G", "b"]),
    ("methyl red", (4.8, 6.0), ["r", "y"]),
    ("methyl orange", (3.2, 4.4), ["r", "y"]),
]

# Thresholds of the 4 x 4 ordered dither, 0 to 15.
BAYER = [[0, 8, 2, 10],
         [12, 4, 14, 6],
         [3, 11, 1, 9],
         [15, 7, 13, 5]]


def colour_key(colour, x, y):
    return PINK[y % 4][x % 4] if colour == "pink" else colour


def band_key(colours, low, high, x, y):
    """The key of pixel (x, y) of a band changing from low to high pH through the colours."""
    start, end = round(low * PIXELS_PER_PH), round(high * PIXELS_PER_PH)
    if x < start:
        return colour_key(colours[0], x, y)
    if x >= end:
        return colour_key(colours[-1], x, y)
    # Over the range the colours follow each other in equal parts; within a part the next
    # colour takes over pixel by pixel as the ordered dither's thresholds are passed.
    steps = len(colours) - 1
    position = (x - start + 0.5) / (end - start) * steps
    part = min(int(position), steps - 1)
    fraction = position - part
    rank, changing = dither_rank(colours[part], colours[part + 1], x, y)
    take_next = fraction > (rank + 0.5) / changing
    return colour_key(colours[part + 1] if take_next else colours[part], x, y)


def dither_rank(old, new, x, y):
    """The place of pixel (x, y) among the pixels of its 4 x 4 cell that the change from old to new
    colours, in the order of the dither's thresholds, and how many they are. A pattern colour such as
    pink leaves some pixels as they were; the others then share the whole range between them, so the
    change ends at the range's end and not where the last of them happens to be passed."""
    cell = [(i, j) for j in range(4) for i in range(4)
            if colour_key(old, x - x % 4 + i, y - y % 4 + j) != colour_key(new, x - x % 4 + i, y - y % 4 + j)]
    if not cell:
        return 0, 1
    thresholds = sorted(BAYER[j][i] for i, j in cell)
    own = BAYER[y % 4][x % 4]
    return (thresholds.index(own) if own in thresholds else 0), len(cell)


def ruler_key(x, y):
    tick = x == WIDTH - 1 or (x % PIXELS_PER_PH == 0 and x < WIDTH - 1)
    return "k" if tick and y in TICK_ROWS else "."


def picture_rows():
    rows = [[ruler_key(x, y) for x in range(WIDTH)] for y in range(RULER_ROWS)]
    for _, (low, high), colours in INDICATORS:
        for row in range(BAND_ROWS):
            y = len(rows)
            if row < BAND_GAP:
                rows.append(["."] * WIDTH)
            else:
                rows.append([band_key(colours, low, high, x, y) for x in range(WIDTH)])
    assert len(rows) == HEIGHT
    return ["".join(row) for row in rows]


def main():
    lines = ["# The indicator chart: a pH ruler from 0 to 14, 30 pixels per unit, over seven bands",
             "# with each indicator's acid colour, its dithered change range and its base colour.",
             "# Drawn by make_indicators.py.",
             f"size {WIDTH} {HEIGHT}",
             "palette"]
    lines += [f"{key} {colour}" for key, colour in PALETTE]
    lines.append("pixels")
    lines += picture_rows()
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "INDIKAT1.txt")
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
