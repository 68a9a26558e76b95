#!/usr/bin/env python3
"""Paints the faces of the button styles 0 to 4 as the written description of those faces reads,
for comparing with what the control draws.

Writes FACE.png and, beside it, FACE.mask.png: white where the face has a three-dimensional edge
ring, whose exact colours belong to the system's edge drawing rather than to the style, black
everywhere else (there every pixel is fixed by the description).

usage: inline_faces.py OUT.png --size WxH --style N --state 1..5 [--focus] [--show-focus]
       [--display-as-default] [--custom BACK,HIGHLIGHT]   (colours as #RRGGBB)
"""
import argparse
import sys

from PIL import Image

# The stock system colours the render tool pins.
BTNFACE = (0xF0, 0xF0, 0xF0)
BTNSHADOW = (0xA0, 0xA0, 0xA0)
HIGHLIGHT = (0x00, 0x78, 0xD7)
WINDOW = (0xFF, 0xFF, 0xFF)
BLACK = (0, 0, 0)

NORMAL, HOT, PRESSED, DISABLED, DEFAULTED = 1, 2, 3, 4, 5


def mix(a, b):
    # Python's round() sends halves to the even neighbour.
    return tuple(round((x + y) / 2) for x, y in zip(a, b))


def lighten(color, amount):
    return tuple(min(255, amount + (255 - amount) * c // 255) for c in color)


class Face:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.image = Image.new("RGB", (width, height), BTNFACE)
        self.mask = Image.new("L", (width, height), 0)

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.image.putpixel((x, y), color)
            self.mask.putpixel((x, y), 0)

    def fill(self, color):
        self.image.paste(color, (0, 0, self.width, self.height))

    def box(self, x, y, w, h, color):
        """An outline through columns x..x+w and rows y..y+h, both ends included."""
        for column in range(x, x + w + 1):
            self.put(column, y, color)
            self.put(column, y + h, color)
        for row in range(y, y + h + 1):
            self.put(x, row, color)
            self.put(x + w, row, color)

    def edge_ring(self, inset):
        """A ring of an edge box: its colours are the system's, so they are left open."""
        w, h = self.width, self.height
        for x in range(inset, w - inset):
            for y in (inset, h - 1 - inset):
                if 0 <= y < h:
                    self.mask.putpixel((x, y), 255)
        for y in range(inset, h - inset):
            for x in (inset, w - 1 - inset):
                if 0 <= x < w:
                    self.mask.putpixel((x, y), 255)


def choose(custom, mine, system):
    return mine if custom else system


def standard(face, o):
    face.fill(choose(o.custom, o.back if o.state == NORMAL else o.highlight, BTNFACE))
    # Raised and sunken edges both have an outer and an inner border.
    face.edge_ring(0)
    face.edge_ring(1)
    if (o.focus and o.show_focus) or (not o.focus and o.display_as_default):
        face.box(0, 0, face.width - 1, face.height - 1, BLACK)


def soft_face_color(o):
    return choose(o.custom, o.back if o.state in (NORMAL, DISABLED) else o.highlight, BTNFACE)


def soft(face, o):
    color = soft_face_color(o)
    face.fill(color)
    if o.state in (NORMAL, HOT, DEFAULTED, PRESSED):
        face.edge_ring(0)  # one border only, on the outermost ring
    elif o.state == DISABLED:
        face.box(0, 0, face.width - 1, face.height - 1, color)


def flat(face, o):
    color = soft_face_color(o)
    face.fill(color)
    if o.state in (HOT, PRESSED):
        face.edge_ring(0)
    else:
        face.box(0, 0, face.width - 1, face.height - 1, color)


def etched(face, o):
    back = choose(o.custom, o.back, BTNFACE)
    face.fill(back)
    if o.state == HOT:
        fill = mix(o.highlight, o.back) if o.custom else mix(BTNSHADOW, BTNFACE)
    elif o.state == PRESSED:
        fill = choose(o.custom, o.highlight, BTNSHADOW)
    else:
        fill = back
    face.fill(fill)
    x, y, w, h = 0, 0, face.width - 1, face.height - 1
    face.box(x, y, w - 1, h - 1, BTNSHADOW)
    face.box(x + 1, y + 1, w - 1, h - 1, WINDOW)
    face.put(x, y + h, fill)
    face.put(x + w, y, fill)
    crossing = mix(WINDOW, BTNSHADOW)
    face.put(x + 1, y + h - 1, crossing)
    face.put(x + w - 1, y + 1, crossing)


def tinted(face, o):
    if o.state in (HOT, PRESSED):
        accent = choose(o.custom, o.highlight, HIGHLIGHT)
        face.fill(lighten(accent, 176 if o.state == HOT else 128))
        face.box(0, 0, face.width - 1, face.height - 1, accent)
    else:
        face.fill(lighten(choose(o.custom, o.back, BTNFACE), 32))


STYLES = {0: standard, 1: soft, 2: flat, 3: etched, 4: tinted}


def color_of(text):
    value = int(text.lstrip("#"), 16)
    return (value >> 16, (value >> 8) & 0xFF, value & 0xFF)


def options(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--size", required=True)
    parser.add_argument("--style", type=int, choices=sorted(STYLES), required=True)
    parser.add_argument("--state", type=int, choices=range(1, 6), required=True)
    parser.add_argument("--focus", action="store_true")
    parser.add_argument("--show-focus", action="store_true")
    parser.add_argument("--display-as-default", action="store_true")
    parser.add_argument("--custom")
    o = parser.parse_args(argv)
    o.width, o.height = (int(v) for v in o.size.split("x"))
    o.custom_given = o.custom is not None
    o.back, o.highlight = (color_of(c) for c in o.custom.split(",")) if o.custom else (BLACK, BLACK)
    o.custom = o.custom_given
    return o


def main(argv):
    o = options(argv)
    face = Face(o.width, o.height)
    STYLES[o.style](face, o)
    face.image.save(o.out)
    face.mask.save(o.out[:-4] + ".mask.png")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
