#!/usr/bin/python3
"""Builds Roradoza.TTF, the symbol font of the dial and the charts.

The font's family is "VizizizizuRavorod". Each glyph sits at the Unicode code
point of the Windows-1252 character the program draws it with:

  "a".."v"        the factors: MC, Aries point, Sun, AS, Moon, lunar node,
                  Mercury..Pluto, and the eight hypothetical points
  "()?*+#!§$%&/"  the twelve zodiac signs, Aries to Pisces
  0xC7..0xCC, 0xC1..0xC6
                  the same twelve signs for the enlarged chart (Aries is 0xC7,
                  Pisces 0xC6)

The astronomical shapes and the letters come from DejaVu Sans (Debian's
fonts-dejavu-core), whose licence allows derived fonts under a name without
"Bitstream" or "Vera"; see LICENSE-Roradoza.txt. The eight hypothetical points
get simple geometric shapes drawn here.

Run with Debian's interpreter, which has fontTools:
  /usr/bin/python3 resources/make_symbol_font.py [source.ttf] [output.ttf]
"""

import math
import sys
from pathlib import Path

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
OUTPUT = Path(__file__).with_name("Roradoza.TTF")
FAMILY = "VizizizizuRavorod"
# A fixed build time keeps the committed file reproducible (2024-01-01).
BUILD_TIME = 3786825600

# Font units, with DejaVu's 2048 units per em.
ADVANCE = 1800
CENTRE_X = 900
CENTRE_Y = 700
STROKE = 150

ZODIAC = [0x2648 + k for k in range(12)]  # Aries .. Pisces
SIGN_CHARACTERS = "()?*+#!§$%&/"
CHART_SIGN_CODES = [0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6]

# Factor letters: a source code point, a text of source letters, or the name
# of one of the shapes drawn below.
FACTORS = {
    "a": "MC",
    "b": 0x2648,  # Aries point
    "c": 0x2609,  # Sun
    "d": "AS",
    "e": 0x263D,  # Moon
    "f": 0x260A,  # ascending node
    "g": 0x263F,  # Mercury
    "h": 0x2640,  # Venus
    "i": 0x2642,  # Mars
    "j": 0x2643,  # Jupiter
    "k": 0x2644,  # Saturn
    "l": 0x2645,  # Uranus
    "m": 0x2646,  # Neptune
    "n": 0x2647,  # Pluto
    "o": "cupido",
    "p": "hades",
    "q": "zeus",
    "r": "kronos",
    "s": "apollon",
    "t": "admetos",
    "u": "vulkanus",
    "v": "poseidon",
}


# --- Simple shapes: closed polygons; outer contours clockwise, holes
# counterclockwise, so that overlapping parts fill as one.


def circle_points(cx, cy, r, clockwise=True, steps=48):
    points = [(cx + r * math.cos(2 * math.pi * i / steps),
               cy + r * math.sin(2 * math.pi * i / steps)) for i in range(steps)]
    return points[::-1] if clockwise else points


def bar(x0, y0, x1, y1, width=STROKE):
    """A stroke of the given width from (x0, y0) to (x1, y1)."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    corners = [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]
    return [oriented(corners, clockwise=True)]


def ring(cx, cy, r, width=STROKE):
    return [circle_points(cx, cy, r + width / 2, True), circle_points(cx, cy, r - width / 2, False)]


def polygon_outline(corners, width=STROKE):
    """A polygon drawn as a stroke: the polygon and its inset, as a hole."""
    cx = sum(x for x, _ in corners) / len(corners)
    cy = sum(y for _, y in corners) / len(corners)
    inner_radius = min(math.hypot(x - cx, y - cy) for x, y in corners)
    shrink = (inner_radius - width * 1.6) / inner_radius
    inner = [(cx + (x - cx) * shrink, cy + (y - cy) * shrink) for x, y in corners]
    return [oriented(corners, True), oriented(inner, False)]


def oriented(points, clockwise):
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
    return points if (area < 0) == clockwise else points[::-1]


def regular_polygon(sides, radius, start_angle):
    return [(CENTRE_X + radius * math.cos(math.radians(start_angle + 360 * i / sides)),
             CENTRE_Y + radius * math.sin(math.radians(start_angle + 360 * i / sides)))
            for i in range(sides)]


def cupido():  # a ring carrying a stem with a bar on top
    return ring(CENTRE_X, 300, 280) + bar(CENTRE_X, 580, CENTRE_X, 1400) + bar(600, 1400, 1200, 1400)


def hades():  # a ring crossed by a long horizontal bar
    return ring(CENTRE_X, CENTRE_Y, 400) + bar(100, CENTRE_Y, 1700, CENTRE_Y)


def zeus():  # an upward triangle pierced by a vertical stroke
    return polygon_outline(regular_polygon(3, 600, 90)) + bar(CENTRE_X, -50, CENTRE_X, 1450)


def kronos():  # a square with a bar above it
    return polygon_outline(regular_polygon(4, 560, 45)) + bar(400, 1350, 1400, 1350)


def apollon():  # a ring with four rays
    shape = ring(CENTRE_X, CENTRE_Y, 320)
    for angle in (0, 90, 180, 270):
        dx, dy = math.cos(math.radians(angle)), math.sin(math.radians(angle))
        shape += bar(CENTRE_X + 400 * dx, CENTRE_Y + 400 * dy,
                     CENTRE_X + 720 * dx, CENTRE_Y + 720 * dy)
    return shape


def admetos():  # a diamond
    return polygon_outline(regular_polygon(4, 720, 90))


def vulkanus():  # a downward triangle with a dot inside
    return polygon_outline(regular_polygon(3, 700, 270)) + [circle_points(CENTRE_X, 620, 110)]


def poseidon():  # a trident: three prongs over a ring's stem
    shape = bar(CENTRE_X, 0, CENTRE_X, 1450) + bar(350, 900, 1450, 900)
    shape += bar(350 + STROKE / 2, 900, 350 + STROKE / 2, 1400)
    shape += bar(1450 - STROKE / 2, 900, 1450 - STROKE / 2, 1400)
    return shape + bar(650, 150, 1150, 150)


SHAPES = {f.__name__: f for f in (cupido, hades, zeus, kronos, apollon, admetos, vulkanus,
                                  poseidon)}


def draw_polygons(contours, pen):
    for contour in contours:
        pen.moveTo(tuple(round(v) for v in contour[0]))
        for point in contour[1:]:
            pen.lineTo(tuple(round(v) for v in point))
        pen.closePath()


class Source:
    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.metrics = self.font["hmtx"].metrics

    def draw(self, code_point, pen, offset_x=0):
        """Draws one source glyph, components resolved; returns its advance."""
        name = self.cmap[code_point]
        recording = DecomposingRecordingPen(self.glyphs)
        self.glyphs[name].draw(recording)
        recording.replay(TransformPen(pen, (1, 0, 0, 1, offset_x, 0)))
        return self.metrics[name][0]


def build_glyph(source, what):
    """The outline and advance of one glyph of the new font."""
    pen = TTGlyphPen(None)
    if isinstance(what, int):
        advance = source.draw(what, pen)
    elif what in SHAPES:
        draw_polygons(SHAPES[what](), pen)
        advance = ADVANCE
    else:
        advance = 0
        for letter in what:
            advance += source.draw(ord(letter), pen, advance)
    return pen.glyph(), advance


def main():
    source = Source(sys.argv[1] if len(sys.argv) > 1 else SOURCE)
    output = Path(sys.argv[2]) if len(sys.argv) > 2 else OUTPUT

    glyphs = {}  # glyph name -> (outline, advance)
    cmap = {}
    glyphs[".notdef"] = (TTGlyphPen(None).glyph(), ADVANCE // 2)
    for letter, what in FACTORS.items():
        glyphs["factor_" + letter] = build_glyph(source, what)
        cmap[ord(letter)] = "factor_" + letter
    for k, zodiac in enumerate(ZODIAC):
        name = "sign_%02d" % k
        glyphs[name] = build_glyph(source, zodiac)
        cmap[ord(SIGN_CHARACTERS[k])] = name
        cmap[CHART_SIGN_CODES[k]] = name  # Windows-1252 0xC1..0xCC equal Latin-1

    order = list(glyphs)
    builder = FontBuilder(source.font["head"].unitsPerEm, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf({name: glyphs[name][0] for name in order})
    builder.setupHorizontalMetrics(
        {name: (glyphs[name][1], builder.font["glyf"][name].xMin if
                hasattr(builder.font["glyf"][name], "xMin") else 0) for name in order})
    hhea = source.font["hhea"]
    builder.setupHorizontalHeader(ascent=hhea.ascent, descent=hhea.descent)
    os2 = source.font["OS/2"]
    builder.setupOS2(sTypoAscender=os2.sTypoAscender, sTypoDescender=os2.sTypoDescender,
                     sTypoLineGap=os2.sTypoLineGap, usWinAscent=os2.usWinAscent,
                     usWinDescent=os2.usWinDescent, fsType=0)
    builder.setupNameTable({
        "copyright": source.font["name"].getDebugName(0) + " Glyphs of the hypothetical "
                     "points drawn for this font.",
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": FAMILY + "-Regular-1.0",
        "fullName": FAMILY,
        "version": "Version 1.0",
        "psName": FAMILY + "-Regular",
        "licenseDescription": "Derived from DejaVu Sans under the Bitstream Vera font "
                              "licence; see LICENSE-Roradoza.txt.",
    })
    builder.setupPost()
    builder.font["head"].created = BUILD_TIME
    builder.font["head"].modified = BUILD_TIME
    builder.font.recalcTimestamp = False
    builder.save(str(output))


if __name__ == "__main__":
    main()
