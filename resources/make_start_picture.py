#!/usr/bin/python3
"""Draws start_picture.jpg, the picture shown at program start: a night sky
with a band of faint stars, a few bright stars with a glow, and the program's
name; with the argument "en" the English one, start_picture_en.jpg. Needs
ImageMagick's `convert`.

  /usr/bin/python3 resources/make_start_picture.py [en]
"""

import random
import subprocess
import sys
from pathlib import Path

WIDTH, HEIGHT = 765, 569
# Language: the picture's file and the words under the name.
PICTURES = {
    "de": ("start_picture.jpg", "Planetarium-Uhr"),
    "en": ("start_picture_en.jpg", "Planetarium Clock"),
}
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
TEXT_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SEED = 2026


def star_commands(rng):
    commands = []
    for _ in range(1400):  # faint stars, crowded along a diagonal band
        x = rng.uniform(0, WIDTH)
        y = rng.uniform(0, HEIGHT)
        if rng.random() < 0.5:
            y = min(HEIGHT - 1, max(0, 0.6 * x + 60 + rng.gauss(0, 45)))
        grey = rng.randint(70, 170)
        commands.append(f"fill rgb({grey},{grey},{min(255, grey + 30)}) point {x:.1f},{y:.1f}")
    for _ in range(90):  # brighter stars
        x, y = rng.uniform(0, WIDTH), rng.uniform(0, HEIGHT)
        r = rng.uniform(0.8, 1.8)
        tint = rng.choice(["255,255,255", "255,240,200", "200,220,255", "255,210,170"])
        commands.append(f"fill rgba({tint},0.25) circle {x:.1f},{y:.1f} {x + 3 * r:.1f},{y:.1f}")
        commands.append(f"fill rgb({tint}) circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
    return commands


def main():
    output, subtitle = PICTURES[sys.argv[1] if len(sys.argv) > 1 else "de"]
    rng = random.Random(SEED)
    subprocess.run([
        "convert", "-size", f"{WIDTH}x{HEIGHT}", "gradient:#0a0f35-#000008",
        "-draw", " ".join(star_commands(rng)),
        "-font", TITLE_FONT, "-pointsize", "64", "-fill", "#f3e6a0", "-gravity", "center",
        "-annotate", "+0-40", "Sternwerk",
        "-font", TEXT_FONT, "-pointsize", "20", "-fill", "#b8c4f0",
        "-annotate", "+0+30", subtitle,
        "-strip", "-quality", "90", str(Path(__file__).with_name(output))], check=True)


if __name__ == "__main__":
    main()
