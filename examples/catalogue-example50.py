#!/usr/bin/env python3
"""Writes catalogue-example50.csv: a made-up 50 mm curtain-wall system whose section values
are computed from real shapes, so that every number in it can be checked by hand.

Shapes (mm), bending about the x axis (the wind's, across the depth h):
- a rectangular hollow section, face width b, depth h, face walls tf, side walls ts:
      Ix = b h^3 / 12 - b' h'^3 / 12,   b' = b - 2 ts,  h' = h - 2 tf
- a box with a web: the same with one more web tw along the depth at mid-width:
      Ix = b h^3 / 12 - (b' - tw) h'^3 / 12
  and Iy, A alike; e = h / 2, Wx = Ix / e, Wy = Iy / (b / 2); mass = A x 2.7 g/cm3.
- the steel insert is a flat bar t x d standing in the depth: I = t d^3 / 12, W = I / (d / 2).

Run it from this folder: python3 catalogue-example50.py > catalogue-example50.csv
Standard library only.
"""
import sys

SYSTEM = "Example 50 (made up)"
B = 50.0  # face width of every profile, mm
DENSITY = 2.7e-3  # g/mm3 -> kg/m from mm2: A mm2 * 1000 mm * 2.7e-3 g/mm3 / 1000

# code, depth h, face wall tf, side wall ts, internal web tw (0: none)
MULLIONS = [
    ("E50-M050", 50, 2.0, 2.0, 0),
    ("E50-M065", 65, 2.0, 2.0, 0),
    ("E50-M085", 85, 2.2, 2.2, 0),
    ("E50-M105", 105, 2.2, 2.2, 0),
    ("E50-M125", 125, 2.5, 2.2, 0),
    ("E50-M150", 150, 2.5, 2.5, 0),
    ("E50-M150W", 150, 2.5, 2.5, 2.0),
    ("E50-M175", 175, 2.8, 2.5, 0),
    ("E50-M175W", 175, 2.8, 2.5, 2.2),
    ("E50-M200", 200, 3.0, 2.8, 0),
    ("E50-M200W", 200, 3.0, 2.8, 2.5),
    ("E50-M225W", 225, 3.2, 3.0, 2.5),
    ("E50-M250W", 250, 3.5, 3.0, 3.0),
]
TRANSOMS = [
    ("E50-T045", 45, 2.0, 2.0, 0),
    ("E50-T060", 60, 2.0, 2.0, 0),
    ("E50-T075", 75, 2.0, 2.0, 0),
    ("E50-T090", 90, 2.2, 2.0, 0),
    ("E50-T110", 110, 2.2, 2.2, 0),
    ("E50-T130", 130, 2.5, 2.2, 0),
    ("E50-T130W", 130, 2.5, 2.2, 2.0),
    ("E50-T150W", 150, 2.8, 2.5, 2.2),
]
# The one insert: a flat bar 8 x 120 in the E50-M200S, the E50-M200 profile reinforced.
INSERT = ("E50-M200S", "E50-M200", 8.0, 120.0, "S235")


def section(h, tf, ts, tw):
    bi = B - 2 * ts  # clear width inside
    hi = h - 2 * tf  # clear depth inside
    ix = B * h ** 3 / 12 - (bi - tw) * hi ** 3 / 12
    # About y the web sits on the axis: tw^3 hi / 12.
    iy = h * B ** 3 / 12 - hi * bi ** 3 / 12 + hi * tw ** 3 / 12
    area = B * h - bi * hi + tw * hi
    elements = ["side:i:%s×%s" % (num(hi), num(ts))] if not tw else []
    if tw:
        elements = [
            "side:i:%s×%s" % (num(hi), num(ts)),
            "web:i:%s×%s" % (num(hi), num(tw)),
            "face:i:%s×%s" % (num((bi - tw) / 2), num(tf)),
        ]
    else:
        elements.append("face:i:%s×%s" % (num(bi), num(tf)))
    return {"ix": ix, "iy": iy, "area": area, "elements": ";".join(elements)}


def num(x, places=4):
    text = "%.*f" % (places, x)
    return text.rstrip("0").rstrip(".") if "." in text else text


def ix_cm4(ix_mm4):
    # Whole mm4, as the catalogue's four decimals of cm4 hold it.
    return num(round(ix_mm4) / 10000.0)


HEADER = ["system", "use", "code", "role", "Ix_cm4", "e_mm", "Wx_cm3", "Iy_cm4", "Wy_cm3",
          "A_cm2", "mass_kg_m", "alloy", "elements", "steel_Ix_cm4", "steel_Wx_cm3",
          "steel_grade"]


def row(code, role, h, tf, ts, tw, steel=("", "", "")):
    s = section(h, tf, ts, tw)
    ix = round(s["ix"])
    # Mullions give e; transoms give Wx instead, so both columns are in use.
    e = num(h / 2) if role == "mullion" else ""
    wx = "" if role == "mullion" else num(ix / (h / 2) / 1000.0)
    fields = [SYSTEM, "vertical", code, role, ix_cm4(ix), e, wx, num(s["iy"] / 1e4),
              num(s["iy"] / (B / 2) / 1000.0), num(s["area"] / 100.0),
              num(s["area"] * DENSITY, 3), "6060 T6", s["elements"], *steel]
    return ",".join(quote(f) for f in fields)


def quote(field):
    return '"%s"' % field.replace('"', '""') if any(c in field for c in ',;"\n') else field


def main():
    lines = [",".join(HEADER)]
    shapes = {}
    for code, h, tf, ts, tw in MULLIONS:
        shapes[code] = (h, tf, ts, tw)
        lines.append(row(code, "mullion", h, tf, ts, tw))
    code, base, t, d, grade = INSERT
    steel_i = t * d ** 3 / 12
    lines.append(row(code, "mullion", *shapes[base],
                     steel=(num(steel_i / 1e4), num(steel_i / (d / 2) / 1000.0), grade)))
    for code, h, tf, ts, tw in TRANSOMS:
        lines.append(row(code, "transom", h, tf, ts, tw))
    sys.stdout.write("\n".join(lines) + "\n")


main()
