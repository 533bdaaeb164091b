#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures a screenshot of the game: python3 shot.py IMAGE QUERY... prints the values on one line.

Queries (regions are fractions of the width and height, origin top left):
  stars              pixels of the outer frame that are lit and grey (the star field)
  mean:X0,Y0,X1,Y1   mean R G B of a region
  lit:X0,Y0,X1,Y1    share of a region's pixels that are not black
  colours:X0,Y0,X1,Y1  number of distinct colours in a region (texture detail)
  blue:X0,Y0,X1,Y1   pixels of a region where blue clearly beats red and green
  red:X0,Y0,X1,Y1    pixels of a region where red clearly beats green and blue
  diff:OTHER[@X0,Y0,X1,Y1]  share of pixels (of a region) that differ from the image OTHER
  moved:OTHER        share of this image's star pixels (outer frame) that are no star in OTHER
  chasers            pixels of strong hue outside the centre with one beside them (the chasers'
                     hulls; some stars are coloured, but a star is a single pixel)
"""
import subprocess
import sys


def load(path):
    data = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "ppm:-"],
                          check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # P6, width, height, maxval, separated by white space
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def pixels(image, box):
    width, height, rgb = image
    x0, y0, x1, y1 = (float(v) for v in box.split(","))
    for y in range(int(y0 * height), int(y1 * height)):
        row = y * width * 3
        for x in range(int(x0 * width), int(x1 * width)):
            i = row + x * 3
            yield rgb[i], rgb[i + 1], rgb[i + 2]


def star_pixels(image):
    """Positions of the stars in the top and bottom fifths: lit grey pixels that stand alone,
    with nothing lit beside them (grey parts of a model are lit next to each other)."""
    width, height, rgb = image

    def value(x, y):
        i = (y * width + x) * 3
        return rgb[i], rgb[i + 1], rgb[i + 2]

    found = set()
    for y in list(range(1, height // 5)) + list(range(height * 4 // 5, height - 1)):
        for x in range(1, width - 1):
            r, g, b = value(x, y)
            if r > 20 and r == g == b and all(
                    max(value(x + dx, y + dy)) <= 12
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                found.add((x, y))
    return found


def strong_hue(p):
    return max(p) - min(p) > 90


def measure(image, query):
    kind, _, arg = query.partition(":")
    if kind == "stars":
        return len(star_pixels(image))
    if kind == "moved":
        mine, theirs = star_pixels(image), star_pixels(load(arg))
        return "%.4f" % (len(mine - theirs) / max(len(mine), 1))
    if kind == "chasers":
        width, height, rgb = image

        def hued(x, y):
            i = (y * width + x) * 3
            return strong_hue(rgb[i:i + 3])

        def outside_centre(x, y):
            return not (0.35 * width <= x < 0.65 * width and 0.35 * height <= y < 0.65 * height)

        return sum(1 for y in range(height - 1) for x in range(width - 1)
                   if outside_centre(x, y) and hued(x, y) and (hued(x + 1, y) or hued(x, y + 1)))
    if kind == "diff" and "@" in arg:
        other, box = arg.split("@")
        theirs = list(pixels(load(other), box))
        mine = list(pixels(image, box))
        if len(mine) != len(theirs):
            return "1.0000"
        return "%.4f" % (sum(1 for a, b in zip(mine, theirs) if a != b) / max(len(mine), 1))
    region = list(pixels(image, arg)) if kind != "diff" else None
    if kind == "mean":
        n = max(len(region), 1)
        return " ".join("%.1f" % (sum(p[c] for p in region) / n) for c in range(3))
    if kind == "lit":
        return "%.4f" % (sum(1 for p in region if max(p) > 12) / max(len(region), 1))
    if kind == "colours":
        return len(set(region))
    if kind == "red":
        return sum(1 for r, g, b in region if r > 60 and r > g + 30 and r > b + 30)
    if kind == "blue":
        return sum(1 for r, g, b in region if b > 60 and b > r + 30 and b > g + 30)
    if kind == "diff":
        other = load(arg)
        a, b = image[2], other[2]
        if len(a) != len(b):
            return "1.0000"
        changed = sum(1 for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])
        return "%.4f" % (changed / (len(a) // 3))
    raise SystemExit("unknown query " + query)


image = load(sys.argv[1])
print(" ".join(str(measure(image, q)) for q in sys.argv[2:]))
