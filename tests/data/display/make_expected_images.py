#!/usr/bin/env python3
"""Writes the expected curve and map images that the display tests compare with.

Everything here is worked out again from the drawing rules, independently of
the C++ code: the illumination model, the pen's line rule, the curve and the
map. Python floats are IEEE doubles and math uses the C library, so the values
are the ones the program computes when it follows the same formulas in the
same order.

Run from anywhere: python3 make_expected_images.py (writes beside itself).
Curves are plain PBM (P1, 1 = black), maps plain PGM (P2, 255 = white).
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# The configuration of a first start: secondary on, everything else off.
DEFAULTS = dict(
    primaryDiameter=402.0, secondaryDiameter=102.0, primaryFocalLength=1809.0,
    secondaryToFocus=350.0, sensorDiagonal=44.0, focuserToFocus=101.0,
    focuserDiameter=50.8, focuserEnabled=0, correctorDiameter=46.0,
    correctorToFocus=110.0, correctorEnabled=0, secondaryEnabled=1,
    filterToFocus=26.0, filterEnabled=0, filterDiameter=44.0, sensorWidth=36.0,
    sensorHeight=24.0, correctorMagnification=1.15, correctorShift=30.0,
    obstructionEnabled=0)

INT_MAX = 2**31 - 1
INT_MIN = -2**31


def trunc_to_int(v):
    if v != v:
        return 0
    if v >= INT_MAX:
        return INT_MAX
    if v <= INT_MIN:
        return INT_MIN
    return int(v)  # Python's int() truncates toward zero


def beam_fraction(k, h):
    c = (h * h + 1 - k * k) / (2 * h) if h != 0 else float("nan")
    if not (c >= -1):
        return 1.0
    if c > 1:
        return 0.0
    c2 = (h * h + k * k - 1) / (2 * h * k)
    return (math.acos(c) - h * math.sqrt(1 - c * c) + k * k * math.acos(c2)) * 0.3183098861837907


def aperture(cfg, d, L, r, divisor):
    D = cfg["primaryDiameter"]
    F = cfg["primaryFocalLength"]
    a = d * F
    b = D * L
    k = a / b
    if r == 0:
        h = (F - L) * 0.0001 / b
    else:
        h = (F - L) * (2 * r) / b / divisor
    return beam_fraction(k, h), (a - b) / (F - L)


def illumination_at(cfg, r):
    """Returns (illumination, fullFieldDiameter after the evaluation)."""
    if cfg["secondaryEnabled"]:
        best, field = aperture(cfg, cfg["secondaryDiameter"], cfg["secondaryToFocus"], r, 1)
    else:
        best, field = 1.0, 9999.0
    others = []
    if cfg["focuserEnabled"]:
        L = cfg["focuserToFocus"] - (cfg["correctorShift"] if cfg["correctorEnabled"] else 0)
        others.append(aperture(cfg, cfg["focuserDiameter"], L, r, 1))
    if cfg["correctorEnabled"]:
        G = cfg["correctorMagnification"] if cfg["correctorMagnification"] > 0.0001 else 0.0001
        t, f = aperture(cfg, cfg["correctorDiameter"],
                        cfg["correctorToFocus"] - cfg["correctorShift"], r, G)
        others.append((t, cfg["correctorMagnification"] * f))
    if cfg["filterEnabled"]:
        others.append(aperture(cfg, cfg["filterDiameter"], cfg["filterToFocus"], r, 1))
    for t, f in others:
        if not (t >= best):
            best = t
            if not (f >= field):
                field = f
    o = 1.0
    if cfg["secondaryEnabled"] and cfg["obstructionEnabled"]:
        o = 1 - (cfg["secondaryDiameter"] * cfg["secondaryDiameter"]) / (
            cfg["primaryDiameter"] * cfg["primaryDiameter"])
        if not (o >= 0):
            o = 0.0
    return best * o, field


def line_pixels(x0, y0, x1, y1):
    """Pixels of a pen line, end point excluded."""
    dx, dy = x1 - x0, y1 - y0
    if dy > 0 and dx > 0:
        octant = 1 if dx > dy else 2
    elif dy > 0:
        octant = 4 if -dx > dy else 3
    elif dx < 0:
        octant = 5 if -dx > -dy else 6
    else:
        octant = 8 if dx > -dy else 7
    bias = 1 if octant in (3, 5, 6, 8) else 0
    if abs(dx) > abs(dy):
        major, minor = abs(dx), abs(dy)
        sx, sy = (1 if dx > 0 else -1), (1 if dy >= 0 else -1)
        for i in range(major):
            yield x0 + sx * i, y0 + sy * ((2 * minor * i + major - 1 + bias) // (2 * major))
    else:
        major, minor = abs(dy), abs(dx)
        sx, sy = (1 if dx >= 0 else -1), (1 if dy > 0 else -1)
        for i in range(major):
            yield x0 + sx * ((2 * minor * i + major - 1 + bias) // (2 * major)), y0 + sy * i


class Image:
    def __init__(self, w, h, value):
        self.w, self.h = w, h
        self.px = [[value] * w for _ in range(h)]
        self.pen = (0, 0)

    def move(self, x, y):
        self.pen = (x, y)

    def line(self, x, y, value):
        for px, py in line_pixels(self.pen[0], self.pen[1], x, y):
            if 0 <= px < self.w and 0 <= py < self.h:
                self.px[py][px] = value
        self.pen = (x, y)


def curve(cfg, W, H):
    BLACK = 1
    img = Image(W, H, 0)
    img.move(20, 15)
    img.line(20, H - 20, BLACK)
    img.line(W - 20, H - 20, BLACK)
    img.move(19, 15)
    img.line(19, H - 19, BLACK)
    img.line(W - 20, H - 19, BLACK)
    k = 0.0
    while k < 11:
        w = trunc_to_int(k * 0.1 * (H - 40))
        img.move(20, H - w - 20)
        img.line(12, H - w - 20, BLACK)
        if k in (0, 5, 10):
            img.move(20, H - w - 19)
            img.line(12, H - w - 19, BLACK)
        k += 1
    R = cfg["sensorDiagonal"] * 0.5
    if R > 0:
        j = 0.0
        while j < R:
            x = trunc_to_int((W - 40) * j / R)
            img.move(x + 20, H - 20)
            img.line(x + 20, H - 12, BLACK)
            if trunc_to_int(j) % 5 == 0:
                img.move(x + 19, H - 20)
                img.line(x + 19, H - 12, BLACK)
            j += 1
        r = 0.0
        first = True
        while r <= R:
            p, _ = illumination_at(cfg, r)
            px = trunc_to_int((W - 40) * r / R) + 20
            py = H - trunc_to_int(p * (H - 40)) - 20
            if first:
                img.move(px, py)
                first = False
            else:
                img.line(px, py, BLACK)
            r += 0.2
    return img


def illumination_map(cfg, W, H):
    D = cfg["sensorDiagonal"]
    img = Image(W, H, 0)
    field = None
    i = 0.0
    while i < W:
        u = (i - W * 0.5) / W
        j = 0.0
        while j < H:
            v = (j - H * 0.5) / H
            r = math.sqrt((v * D) * (v * D) + (u * D) * (u * D))
            p, field = illumination_at(cfg, r)
            img.px[int(j)][int(i)] = trunc_to_int(255 * p) & 0xFF
            j += 1
        i += 1
    if D != 0:
        a = W * cfg["sensorWidth"] / D * 0.5
        b = H * cfg["sensorHeight"] / D * 0.5
        x0, x1 = trunc_to_int(W * 0.5 - a), trunc_to_int(W * 0.5 + a)
        y0, y1 = trunc_to_int(H * 0.5 - b), trunc_to_int(H * 0.5 + b)
        img.move(x0, y0)
        for x, y in ((x1, y0), (x1, y1), (x0, y1), (x0, y0)):
            img.line(x, y, 0)
    return img, field


def write(name, magic, img, maxval=None):
    lines = [magic, f"{img.w} {img.h}"]
    if maxval is not None:
        lines.append(str(maxval))
    for row in img.px:
        lines.append(" ".join(str(v) for v in row))
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    for W, H in ((60, 50), (157, 93)):
        write(f"curve_default_{W}x{H}.pbm", "P1", curve(DEFAULTS, W, H))
    for W, H in ((60, 50), (41, 57)):
        img, field = illumination_map(DEFAULTS, W, H)
        write(f"map_default_{W}x{H}.pgm", "P2", img, 255)
        print(f"map {W}x{H}: fullFieldDiameter after the last pixel = {field!r}")


if __name__ == "__main__":
    main()
