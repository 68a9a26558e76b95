#!/usr/bin/env python3
"""Renders the drawn faces (styles 5, 7, 8, 9 and 10) through the whole paint pipeline with
cvbutton-render and with the reference painter drawn_faces.py, over sizes, states, focus and
default marks and palettes, and compares them pixel for pixel wherever the reference fixes the
pixel. Prints the first differing pixels of each face that differs.

usage: compare_drawn_faces.py PATH/TO/cvbutton-render
"""
import itertools
import os
import subprocess
import sys

from PIL import Image

from compare_faces import compare_all

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = ["67x25", "44x21", "120x37"]
# Custom back and highlight colours; None for the system colours.
PALETTES = [None, ("#2E8B57", "#FFD700"), ("#F8F9FA", "#102030")]
MARKS = [[], ["--focus"], ["--focus", "--show-focus"], ["--display-as-default"]]
# The stock system colours the render tool pins, and the button face it clears the surface with.
BUTTON_FACE, HIGHLIGHT = "F0F0F0", "0078D7"


def cases():
    for style, state, size, palette, marks in itertools.product((5, 7, 8, 9, 10), range(1, 6), SIZES, PALETTES,
                                                               MARKS):
        yield style, state, size, palette, marks


def reference(out, style, state, size, palette, marks):
    command = [sys.executable, os.path.join(HERE, "drawn_faces.py"), out, "--style", str(style), "--size", size,
               "--state", str(state), "--face", BUTTON_FACE, "--syshl", HIGHLIGHT, "--paper", BUTTON_FACE]
    if "--focus" in marks:
        command.append("--focus")
    if "--show-focus" in marks:
        command.append("--show-focus")
    if "--display-as-default" in marks:
        command.append("--default")
    if palette:
        command += ["--custom", "--back", palette[0], "--highlight", palette[1]]
    subprocess.run(command, check=True)


def differences(drawn_path, expected_path):
    drawn = Image.open(drawn_path).convert("RGB")
    expected = Image.open(expected_path).convert("RGBA")
    if drawn.size != expected.size:
        return [("size", drawn.size, expected.size)]
    found = []
    for y in range(drawn.height):
        for x in range(drawn.width):
            want = expected.getpixel((x, y))
            if want[3] != 0 and drawn.getpixel((x, y)) != want[:3]:
                found.append(((x, y), drawn.getpixel((x, y)), want[:3]))
    return found


def main(tool):
    return compare_all(tool, cases(), reference, differences)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
