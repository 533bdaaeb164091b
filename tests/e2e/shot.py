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


def chaser_pixels(image, path):
    """Pixels of strong hue (their brightest and darkest channels more than 90 apart) outside the
    centre with one of strong hue right of them or below them. ImageMagick takes each pixel's
    spread of channels, and the picture's pixels are compared with their neighbours as one big
    number of a byte a pixel: a picture is judged in less than half the time of a loop over its
    pixels, so a test can look more often while it waits."""
    width, height, _ = image
    spread = subprocess.run(
        ["/usr/bin/convert", path, "-depth", "8",
         "(", "-clone", "0", "-separate", "-evaluate-sequence", "max", ")",
         "(", "-clone", "0", "-separate", "-evaluate-sequence", "min", ")",
         "-delete", "0", "-compose", "difference", "-composite", "-depth", "8", "gray:-"],
        check=True, capture_output=True).stdout
    strong = int.from_bytes(spread.translate(bytes(int(v > 90) for v in range(256))), "big")
    every = (1 << (8 * width * height)) - 1
    beside = ((strong << 8) | (strong << (8 * width))) & every  # the pixel right of it, below it
    x0, x1 = -(-35 * width // 100), -(-65 * width // 100)  # the centre: 0.35 to 0.65 of each side
    y0, y1 = -(-35 * height // 100), -(-65 * height // 100)
    row = b"\1" * (width - 1) + b"\0"  # the last column has nothing right of it
    middle = row[:x0] + bytes(x1 - x0) + row[x1:]
    rows = row * y0 + middle * (y1 - y0) + row * (height - 1 - y1) + bytes(width)
    return bin(strong & beside & int.from_bytes(rows, "big")).count("1")


def measure(image, path, query):
    kind, _, arg = query.partition(":")
    if kind == "stars":
        return len(star_pixels(image))
    if kind == "moved":
        mine, theirs = star_pixels(image), star_pixels(load(arg))
        return "%.4f" % (len(mine - theirs) / max(len(mine), 1))
    if kind == "chasers":
        return chaser_pixels(image, path)
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
print(" ".join(str(measure(image, sys.argv[1], q)) for q in sys.argv[2:]))
