#!/usr/bin/env python3
"""An independent painter of the drawn button faces (styles 5, 7, 8, 9 and 10), written from the
written description of each face alone. It draws one face into a PNG; pixels the description leaves
open (the inner pixels of the skinned style's corner tiles) are written fully transparent, so a
comparison can skip them.

usage: drawn_faces.py OUT.png --style N --size WxH --state 1..5 [--focus] [--show-focus]
       [--default] [--custom] [--back RRGGBB] [--highlight RRGGBB] [--face RRGGBB] [--syshl RRGGBB]
       [--paper RRGGBB]
"""
import argparse
import math
import struct

from PIL import Image


def rte(value):
    """Nearest integer, halves to even (Python's round does exactly that)."""
    return int(round(value))


def f32(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def shift(color, delta):
    return tuple(max(0, min(255, c + delta)) for c in color)


class Canvas:
    def __init__(self, w, h, paper):
        self.w, self.h = w, h
        self.px = [[paper + (255,) for _ in range(w)] for _ in range(h)]

    def set(self, x, y, color, alpha=255):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = tuple(color) + (alpha,)

    def fill(self, color):
        for y in range(self.h):
            for x in range(self.w):
                self.set(x, y, color)

    def line(self, x1, y1, x2, y2, color):
        """Horizontal, vertical or 45-degree lines, the end point left out."""
        dx, dy = x2 - x1, y2 - y1
        n = max(abs(dx), abs(dy))
        if n == 0:
            return
        if dx != 0 and dy != 0 and abs(dx) != abs(dy):
            raise ValueError("only straight and diagonal lines are needed")
        sx = (dx > 0) - (dx < 0)
        sy = (dy > 0) - (dy < 0)
        for i in range(n):
            self.set(x1 + sx * i, y1 + sy * i, color)

    def box(self, x, y, w, h, color):
        self.line(x, y, x + w, y, color)
        self.line(x + w, y, x + w, y + h, color)
        self.line(x + w, y + h, x, y + h, color)
        self.line(x, y + h, x, y, color)

    def fill_box(self, x, y, w, h, color):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, color)

    @staticmethod
    def ramp(start, end, n):
        steps = [f32((end[c] - start[c]) / n) for c in range(3)]
        return lambda i: tuple(max(0, rte(start[c] + steps[c] * i)) for c in range(3))

    def vgrad(self, start, end, left, top, right, steps):
        if steps <= 0:
            return
        colour = self.ramp(start, end, steps)
        for i in range(steps + 1):
            self.line(left, top + i, right, top + i, colour(i))

    def hgrad(self, start, end, left, top, right, bottom):
        n = right - left
        if n <= 0:
            return
        colour = self.ramp(start, end, n)
        for i in range(n + 1):
            self.line(left + i, top, left + i, bottom, colour(i))

    def save(self, path):
        image = Image.new("RGBA", (self.w, self.h))
        image.putdata([p for row in self.px for p in row])
        image.save(path)


def hexc(text):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


# ---- style 5, fixed palette ------------------------------------------------------------------

def outline_fixed(cv, W, H):
    k = hexc("003C74")
    cv.line(1, 0, W - 1, 0, k)
    cv.line(0, 1, 0, H - 1, k)
    cv.line(W - 1, 1, W - 1, H - 1, k)
    cv.line(1, H - 1, W - 1, H - 1, k)
    for p in [(1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2)]:
        cv.set(*p, hexc("486E90"))
    for p in [(0, 1), (1, 0), (1, H - 1), (0, H - 2), (W - 1, H - 2), (W - 2, H - 1), (W - 2, 0), (W - 1, 1)]:
        cv.set(*p, hexc("6A8BA2"))
    for p in [(1, 2), (2, 1), (2, H - 2), (1, H - 3), (W - 2, H - 3), (W - 3, H - 2), (W - 3, 1), (W - 2, 2)]:
        cv.set(*p, hexc("BFC7CA"))


def bands(cv, W, H, top1, top2, bottom2, bottom1, grad_from, grad_to, bottom_first=False):
    if bottom_first:
        cv.line(2, H - 2, W - 2, H - 2, bottom1)
    cv.line(2, 1, W - 2, 1, top1)
    cv.line(2, 2, W - 2, 2, top2)
    cv.line(2, H - 3, W - 2, H - 3, bottom2)
    if not bottom_first:
        cv.line(2, H - 2, W - 2, H - 2, bottom1)
    cv.vgrad(grad_from, grad_to, 1, 2, 3, H - 5)
    cv.vgrad(grad_from, grad_to, W - 3, 2, W - 1, H - 5)


def twelve_pixels(W, H):
    return [(0, 1), (1, 1), (1, 0), (0, H - 2), (1, H - 2), (1, H - 1), (W - 1, 1), (W - 2, 1), (W - 2, 0),
            (W - 1, H - 2), (W - 2, H - 2), (W - 2, H - 1)]


def style5_fixed(cv, a):
    W, H, s = cv.w, cv.h, a.state
    cv.fill(a.face)
    if s not in (1, 2, 3, 4):
        return
    if s in (1, 2):
        cv.vgrad(hexc("FCFCFB"), hexc("F0F0F0"), 1, 1, W - 2, 4)
        cv.vgrad(hexc("FAFAF9"), hexc("F0F0EA"), 1, 4, W - 2, H - 8)
        cv.vgrad(hexc("EBEBE6"), hexc("D6D0C5"), 1, H - 4, W - 2, 3)
        cv.vgrad(hexc("FBFBFA"), hexc("E4E2DA"), W - 3, 3, W - 2, H - 5)
        cv.vgrad(hexc("F5F4F2"), hexc("DBD7CD"), W - 2, 3, W - 1, H - 5)
        outline_fixed(cv, W, H)
        if s == 2:
            bands(cv, W, H, hexc("FFF0CF"), hexc("FDD889"), hexc("F8B330"), hexc("E59710"),
                  hexc("FDD889"), hexc("F8B330"))
        elif a.focus or a.default:
            bands(cv, W, H, hexc("CEE7FF"), hexc("BCD4F6"), hexc("89ADE4"), hexc("6982EE"),
                  hexc("BCD4F6"), hexc("89ADE4"), bottom_first=True)
    elif s == 3:
        cv.vgrad(hexc("D1CCC1"), hexc("E4E3DC"), 2, 1, W - 1, 4)
        cv.vgrad(hexc("E4E3DC"), hexc("E3E2DB"), 2, 4, W - 1, H - 8)
        cv.vgrad(hexc("E3E2DB"), hexc("F2F1EE"), 3, H - 4, W - 1, 3)
        cv.vgrad(hexc("DAD8CE"), hexc("E3E2DB"), 1, 3, 2, H - 5)
        cv.vgrad(hexc("DAD8CE"), hexc("E3E2DB"), 2, 4, 3, H - 7)
        outline_fixed(cv, W, H)
    else:
        cv.fill(hexc("F5F4EA"))
        cv.box(0, 0, W - 1, H - 1, hexc("C9C7BA"))
        for p in twelve_pixels(W, H):
            cv.set(*p, hexc("D8D5C7"))


# ---- style 5, custom palette -----------------------------------------------------------------

def style5_custom(cv, a):
    W, H, s, c = cv.w, cv.h, a.state, a.back
    S = lambda k: shift(c, k)
    if s not in (1, 2, 3, 4, 5):
        return
    if s == 3:
        cv.vgrad(S(-37), S(-21), 2, 1, W - 1, 4)
        cv.vgrad(S(-21), S(-5), 2, 4, W - 1, H - 8)
        cv.vgrad(S(-5), S(5), 3, H - 4, W - 1, 3)
        cv.vgrad(S(-32), S(-22), 1, 3, 2, H - 5)
        cv.vgrad(S(-24), S(-15), 2, 4, 3, H - 7)
        for (x, y), k in [((1, 2), -48), ((2, 1), -48), ((2, H - 2), -5), ((1, H - 3), -16), ((W - 2, H - 3), 18),
                          ((W - 3, H - 2), 8), ((W - 3, 1), -48), ((W - 2, 2), -37)]:
            cv.set(x, y, S(k))
        cv.line(1, 0, W - 1, 0, S(-128))
        cv.line(0, 1, 0, H - 1, S(-128))
        cv.line(W - 1, 1, W - 1, H - 1, S(-128))
        cv.line(1, H - 1, W - 1, H - 1, S(-128))
        for p in [(1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2)]:
            cv.set(*p, S(-96))
        return
    if s == 4:
        cv.fill(c)
        cv.box(0, 0, W - 1, H - 1, S(-64))
        for p in twelve_pixels(W, H):
            cv.set(*p, S(-53))
        return
    cv.fill(c)
    cv.vgrad(c, S(-15), 1, 1, W - 2, H - 3)
    cv.vgrad(S(21), S(-21), 1, 2, 2, H - 5)
    cv.vgrad(S(-5), S(-32), W - 2, 2, W - 3, H - 5)
    cv.line(2, 1, W - 2, 1, S(5))
    cv.line(1, 2, W - 1, 2, S(2))
    cv.line(2, H - 4, W - 2, H - 4, S(-16))
    cv.line(2, H - 3, W - 2, H - 3, S(-24))
    cv.line(2, H - 2, W - 2, H - 2, S(-37))
    k = S(-128)
    cv.line(2, 0, W - 2, 0, k)
    cv.line(0, 2, 0, H - 2, k)
    cv.line(2, H - 1, W - 2, H - 1, k)
    cv.line(W - 1, 0, W - 1, H, k)
    for p in [(1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2)]:
        cv.set(*p, k)
    for p in [(1, 0), (W - 2, 0), (0, 1), (0, H - 2), (1, H - 1), (W - 2, H - 1), (W - 1, 1), (W - 1, H - 2)]:
        cv.set(*p, S(-21))
    if s in (2, 5) or (a.focus and a.show_focus):
        h = a.highlight if s == 2 else a.syshl
        Hs = lambda k: shift(h, k)
        bands(cv, W, H, Hs(85), Hs(69), Hs(16), h, Hs(69), Hs(16))


# ---- style 7 ---------------------------------------------------------------------------------

def style7(cv, a):
    W, H, s = cv.w, cv.h, a.state
    base = a.back if a.custom else a.face
    hl = a.highlight if a.custom else a.syshl
    face = {1: 8, 5: 8, 2: 24, 3: -9, 4: 18}
    if s not in face:
        return
    F = shift(base, face[s])
    outline = shift(F, -96)
    tint = shift(base, 5 if s == 4 else -21)
    if s == 3:
        cv.vgrad(shift(F, -15), F, 1, 1, W - 2, H - 2)
        cv.vgrad(shift(F, -21), shift(F, 21), W - 2, 2, W - 3, H - 5)
        cv.vgrad(shift(F, -32), shift(F, -5), 1, 2, 2, H - 5)
        glow_outline(cv, W, H, outline, shift(base, -21))
        cv.line(2, H - 2, W - 2, H - 2, shift(base, 8))
        cv.line(2, 1, W - 2, 1, shift(base, -21))
        return
    cv.fill(F)
    d = 16 if s == 2 else 15
    cv.vgrad(shift(F, d), shift(F, -d), 1, 1, W - 2, H - 3)
    cv.vgrad(shift(F, 21), shift(F, -21), 1, 2, 2, H - 5)
    cv.vgrad(shift(F, -5), shift(F, -32), W - 2, 2, W - 3, H - 5)
    glow_outline(cv, W, H, outline, tint)
    if s in (1, 5, 4):
        cv.line(2, 1, W - 2, 1, shift(base, 21))
        cv.line(2, H - 2, W - 2, H - 2, shift(base, -37))
    if s == 2 or (s in (1, 5) and (s == 5 or a.focus)):
        cv.line(2, 1, W - 2, 1, shift(hl, 21))
        cv.line(1, 2, W - 1, 2, shift(hl, 21))
        cv.line(1, H - 3, W - 1, H - 3, shift(hl, -5))
        cv.line(2, H - 2, W - 2, H - 2, shift(hl, -21))


def glow_outline(cv, W, H, outline, tint):
    cv.line(2, 0, W - 2, 0, outline)
    cv.line(0, 2, 0, H - 2, outline)
    cv.line(2, H - 1, W - 2, H - 1, outline)
    cv.line(W - 1, 0, W - 1, H, outline)
    for p in [(1, 1), (1, H - 2), (W - 2, 1), (W - 2, H - 2)]:
        cv.set(*p, outline)
    for p in [(1, 0), (W - 2, 0), (0, 1), (0, H - 2), (1, H - 1), (W - 2, H - 1), (W - 1, 1), (W - 1, H - 2)]:
        cv.set(*p, tint)


# ---- style 8 ---------------------------------------------------------------------------------

def style8(cv, a):
    W, H, s = cv.w, cv.h, a.state
    base = a.back if a.custom else a.face
    if s == 1:
        F = base
    else:
        F = a.highlight if a.custom else shift(a.face, 15)
    light = shift(F, 96)
    if s == 3:
        outline = shift(base, -48)
    else:
        outline = shift(base, -96) if a.focus else shift(base, -48)
    shadow = shift(outline, 21)
    shadow2 = shift(shadow, 15)
    cv.fill(F)
    if s == 3:
        cv.vgrad(shift(F, -15), shift(F, 15), 2, 2, W - 3, H - 6)
        cv.line(2, 1, W - 3, 1, F)
        cv.line(1, 2, 1, H - 3, F)
        cv.line(2, H - 3, W - 2, H - 3, light)
    else:
        cv.vgrad(shift(F, 15), shift(F, -15), 2, 2, W - 3, H - 6)
        cv.line(2, 1, W - 3, 1, light)
        cv.line(1, 2, 1, H - 3, light)
        cv.line(2, H - 3, W - 2, H - 3, F)
    cv.line(2, 0, W - 3, 0, outline)
    cv.line(0, 2, 0, H - 3, outline)
    cv.line(2, H - 2, W - 3, H - 2, outline)
    cv.line(W - 2, 2, W - 2, H - 3, outline)
    for p in [(1, 1), (1, H - 3), (W - 3, 1), (W - 3, H - 3)]:
        cv.set(*p, outline)
    cv.line(3, H - 1, W - 4, H - 1, shadow)
    cv.line(W - 1, 3, W - 1, H - 4, shadow)
    cv.line(W - 4, H - 1, W, H - 5, shadow)
    cv.line(W - 3, H - 1, W, H - 4, shadow2)


# ---- style 9 ---------------------------------------------------------------------------------

def style9(cv, a):
    W, H, s = cv.w, cv.h, a.state
    base = a.back if a.custom else a.face
    hot = a.highlight if a.custom else a.face
    F = {1: shift(base, -15), 2: shift(hot, 1), 3: shift(hot, 24)}.get(s, shift(base, 15))
    S = lambda k: shift(F, k)
    h2 = f32(H / 2)
    r = lambda v: rte(f32(v))
    cv.fill(F)
    cv.vgrad(S(32), S(-32), 5, 2, W - 5, H - 6)
    cv.vgrad(S(128), S(-128), 0, 0, 1, H - 4)
    cv.vgrad(F, S(-37), 2, 4, 3, r(h2 - 7))
    cv.vgrad(F, S(-53), 3, 3, 4, r(h2 - 7))
    cv.vgrad(F, S(-37), 4, 2, 5, r(h2 - 7))
    cv.vgrad(S(37), S(5), 5, 2, 6, r(h2 - 4))
    cv.vgrad(S(-37), S(-32), 2, r(h2 - 2), 3, r(h2 - 5))
    cv.vgrad(S(-53), S(-32), 3, r(h2 - 3), 4, r(h2 - 3))
    cv.vgrad(S(-37), S(-32), 4, r(h2 - 4), 5, r(h2 - 1))
    cv.vgrad(S(5), S(-5), 5, r(h2 - 4), 6, r(h2 - 3))
    cv.hgrad(S(-53), S(-32), 5, H - 5, 12, H - 6)
    cv.hgrad(S(-56), S(-32), 4, H - 6, 7, H - 7)
    cv.hgrad(S(-37), S(-32), 3, H - 7, 5, H - 8)
    cv.vgrad(S(128), S(-128), W - 2, 0, W - 1, H - 4)
    cv.vgrad(S(128), S(-48), W - 1, 0, W, r(h2))
    cv.vgrad(S(-64), S(-8), W - 1, r(h2), W, r(h2 - 4))
    cv.vgrad(F, S(-37), W - 4, 4, W - 3, r(h2 - 5))
    cv.vgrad(F, S(-48), W - 5, 3, W - 4, r(h2 - 4))
    cv.vgrad(F, S(-37), W - 6, 2, W - 5, r(h2 - 3))
    cv.vgrad(S(37), S(5), W - 7, 2, W - 6, r(h2 - 4))
    cv.vgrad(S(-37), S(-21), W - 4, r(h2), W - 3, r(h2 - 5))
    cv.vgrad(S(-48), S(-37), W - 5, r(h2), W - 4, r(h2 - 5))
    cv.vgrad(S(-37), S(-53), W - 6, r(h2), W - 5, r(h2 - 4))
    cv.vgrad(S(-5), S(-37), W - 7, r(h2), W - 6, r(h2 - 4))
    cv.hgrad(S(-32), S(-53), W - 15, H - 4, W - 7, H - 3)
    cv.line(3, 0, W - 3, 0, S(48))
    cv.line(1, 1, W - 1, 1, S(48))
    cv.line(5, 1, W - 5, 1, F)
    cv.hgrad(S(32), F, W - 11, 2, W - 4, 3)
    cv.hgrad(S(32), F, W - 10, 3, W - 5, 4)
    cv.hgrad(S(32), F, W - 9, 4, W - 6, 5)
    cv.line(6, 3, 7, 3, S(128))
    cv.line(3, H - 1, W - 3, H - 1, S(-16))
    cv.line(2, H - 2, W - 3, H - 2, S(-128))
    cv.line(7, H - 3, W - 7, H - 3, F)
    cv.set(1, H - 3, S(-112))
    cv.set(W - 3, H - 3, S(-112))
    cv.line(W - 4, H - 1, W - 1, H - 4, S(-21))


# ---- style 10 --------------------------------------------------------------------------------

SKIN = {
    "idle": dict(
        centre="E8E7EA",
        left="F7F7F7 A0A0A0 999999 C3C3C3 C9C9C9 D5D5D5 D7D7D7 DFDFDF E0E0E0 E0E0E0 E4E4E4 E6E8E6 E7E7E8 "
             "E8E7EA E8E7EA E8E7EA E8E7EA E8E7EA",
        right="E8E7EA E8E7EA E8E7EA E8E7EA E7E7E7 E6E6E6 E4E4E4 E0E0E0 E0E0E0 DEDEDE D9D9D9 D3D3D3 CCCCCC "
              "C3C3C3 A3A3A3 9C9C9C F6F6F6",
        top="6A6967 F6F4F5 F4F2F3 EEEEEE EBEBEB EAE8EB EAE8EB EAEAEA E1E1E1 E3E2E5 E8E7EA E9EBE8",
        bottom="E9EBE8 EFF1EE F2F2F2 F5F5F5 FEFEFF FFFFFF FDFDFD FEFEFE FBFBFB 545454 C5C5C5 ECECEC",
        row0="FEFEFE E6E6E6 ACACAC 7A7A7A 6C6C6C 6B6B6B 6F6F6F 6F6F71 707072 666867 6B6D6C 6A6967"),
    "hot": dict(
        centre="6AA6E2",
        left="F7F7F7 9EA0B0 132E71 145FBD 2773D1 317FD4 3D8CD9 4B94D9 4F94D7 559CDC 579BDC 62A3E3 65A2E3 "
             "67A3E2 65A1E0 6AA6E3 6AA6E3 6AA6E2",
        right="6AA6E2 6AA6E2 64A4E1 63A3E0 63A3E0 61A1E1 5B9FE0 5598DE 5297DC 4B93DB 398DD6 2D7FD1 2674D6 "
              "135DC0 14357C 989BAB F6F6F6",
        top="080645 C9D4F1 BDC8E5 A1C0E8 98B8E0 8EB4E3 8BB1E0 7FB4E9 6399CE 64A0DD 6AA6E2 76ACE6",
        bottom="76ACE6 81B6F1 8ABDF3 92C5FC 97CEF8 9ED5FE A3DDF7 ADE6FF C5E2E9 405D63 C5C5C5 ECECEC",
        row0="FEFEFE E5E5E6 A5A5A9 5E5E6C 292748 0C0D37 060737 050636 06063A 070841 070745 080645"),
    "pressed": dict(
        centre="6A9BCC",
        left="F7F7F7 9B9DA9 172D63 1D5AA6 2E6CB9 3877BC 4282C1 4E89C2 528AC1 5791C5 5991C5 6398CC 6596CC "
             "6797CB 6595C9 6A9ACC 6A9ACC 6A9BCC",
        right="6A9BCC 6A9BCC 6498CA 6397C9 6397C9 6295CA 5D94C9 578EC6 558CC4 4E88C3 3E82BE 3476B9 2D6DBD "
              "1C58A8 19336D 9497A4 F6F6F6",
        top="0A093C BEC7DE B2BCD3 9AB3D4 92ACCC 8AA8CF 87A5CC 7DA7D2 628EB9 6494C6 6A9BCC 75A1D0",
        bottom="75A1D0 7FAADA 87B0DC 8EB8E4 93BFE1 99C6E7 9DCCE2 A6D5E9 BAD2D7 3E565A C5C5C5 ECECEC",
        row0="FEFEFE E4E4E5 A2A2A5 5C5C67 292742 0D0E30 090A30 08092F 090933 0A0A39 0A0A3C 0A093C"),
}


def skin_palette(a):
    if a.state in (2, 5):
        return "hot"
    if a.state in (1, 4):
        return "hot" if a.focus else "idle"
    return "pressed"


def style10(cv, a):
    W, H = cv.w, cv.h
    p = {k: [hexc(t) for t in v.split()] for k, v in SKIN[skin_palette(a)].items()}
    cv.fill_box(18, 11, W - 34, H - 19, p["centre"][0])
    # The tiles' own pixels are ours to choose. Each tile in its turn opens the area it may draw
    # (so on small faces a later tile may cover what an earlier one fixed) and then sets the pixels
    # the description fixes: undrawn rounded corners, the telling row, row 10 of the top tiles
    # equal to the side bands, and the ends of the gray shadow ramp along row H-1.
    idle = skin_palette(a) == "idle"
    top_last = 12 if idle else 10
    bottom_first = H - 10 if idle else H - 12

    def open_area(x0, x1, y0, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                cv.set(x, y, (0, 0, 0), alpha=0)

    open_area(0, 17, 0, top_last)
    for x in range(0, 6):
        cv.set(x, 0, a.paper)
    for x in range(0, 5):
        cv.set(x, 1, a.paper)
    for i, c in enumerate(p["row0"]):
        cv.set(6 + i, 0, c)
    for i in range(18):
        cv.set(i, 10, p["left"][i])
    open_area(W - 17, W, 0, top_last)
    for x in range(W - 7, W):
        cv.set(x, 0, a.paper)
    for i in range(17):
        cv.set(W - 17 + i, 10, p["right"][i])
    open_area(0, 17, bottom_first, H)
    for x in range(0, 5):
        cv.set(x, H - 1, a.paper)
    cv.set(5, H - 1, hexc("FCFCFC"))
    cv.set(16, H - 1, hexc("C5C5C5"))
    cv.set(17, H - 1, hexc("C5C5C5"))
    open_area(W - 17, W - 1, bottom_first, H)
    cv.set(W - 17, H - 1, hexc("C5C5C5"))
    cv.set(W - 6, H - 1, hexc("FDFDFD"))
    for i in range(18):
        cv.line(i, 11, i, H - 10, p["left"][i])
    for i in range(17):
        cv.line(W - 17 + i, 11, W - 17 + i, H - 10, p["right"][i])
    for j in range(12):
        cv.line(17, j, W - 17, j, p["top"][j])
    for j in range(12):
        cv.line(17, H - 11 + j, W - 17, H - 11 + j, p["bottom"][j])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--style", type=int, required=True)
    ap.add_argument("--size", required=True)
    ap.add_argument("--state", type=int, default=1)
    ap.add_argument("--focus", action="store_true")
    ap.add_argument("--show-focus", action="store_true")
    ap.add_argument("--default", action="store_true")
    ap.add_argument("--custom", action="store_true")
    ap.add_argument("--back", default="FFFFFF")
    ap.add_argument("--highlight", default="000000")
    ap.add_argument("--face", default="F0F0F0")
    ap.add_argument("--syshl", default="0078D7")
    ap.add_argument("--paper", default="F0F0F0")
    a = ap.parse_args()
    for name in ("back", "highlight", "face", "syshl", "paper"):
        setattr(a, name, hexc(getattr(a, name)))
    w, h = (int(v) for v in a.size.split("x"))
    cv = Canvas(w, h, a.paper)
    if a.style == 5:
        (style5_custom if a.custom else style5_fixed)(cv, a)
    else:
        {7: style7, 8: style8, 9: style9, 10: style10}[a.style](cv, a)
    cv.save(a.out)


if __name__ == "__main__":
    main()
