#!/usr/bin/env python3
"""Renders the faces of styles 0 to 4 with cvbutton-render and with the reference painter over
sizes, states, focus marks and palettes, and compares them pixel for pixel outside the edge rings
that the reference leaves open. Prints the first differing pixels of each face that differs.

usage: compare_faces.py PATH/TO/cvbutton-render
"""
import itertools
import os
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
STATES = ["normal", "hot", "pressed", "disabled", "defaulted"]
SIZES = ["37x21", "23x31"]
# Custom back and highlight colours; None for the system colours.
PALETTES = [None, ("#2E8B57", "#FFD700"), ("#7F7F7F", "#010203")]
# The focus and default marks, which only the standard face shows.
MARKS = [[], ["--focus", "--show-focus"], ["--display-as-default"], ["--focus", "--display-as-default"]]


def cases():
    for style, state, size, palette in itertools.product(range(5), range(1, 6), SIZES, PALETTES):
        for marks in MARKS if style == 0 else MARKS[:1]:
            yield style, state, size, palette, marks


def render(tool, out, style, state, size, palette, marks):
    command = [tool, out, "--size", size, "--style", str(style), "--state", STATES[state - 1], "--caption", ""]
    command += marks
    if palette:
        command += ["--custom-colors", ",".join([palette[0], palette[1], "#000000", "#FFFFFF"])]
    subprocess.run(command, check=True, stderr=subprocess.DEVNULL)


def reference(out, style, state, size, palette, marks):
    command = [sys.executable, os.path.join(HERE, "inline_faces.py"), out, "--size", size, "--style", str(style),
               "--state", str(state)] + marks
    if palette:
        command += ["--custom", ",".join(palette)]
    subprocess.run(command, check=True)


def differences(drawn_path, expected_path):
    drawn = Image.open(drawn_path).convert("RGB")
    expected = Image.open(expected_path).convert("RGB")
    open_pixels = Image.open(expected_path[:-4] + ".mask.png").convert("L")
    if drawn.size != expected.size:
        return [("size", drawn.size, expected.size)]
    found = []
    for y in range(drawn.height):
        for x in range(drawn.width):
            if open_pixels.getpixel((x, y)) == 0 and drawn.getpixel((x, y)) != expected.getpixel((x, y)):
                found.append(((x, y), drawn.getpixel((x, y)), expected.getpixel((x, y))))
    return found


def compare_all(tool, all_cases, reference_face, differing_pixels):
    """Renders every case with the tool and the reference painter and reports the faces that differ."""
    faces = failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for style, state, size, palette, marks in all_cases:
            drawn = os.path.join(folder, "drawn.png")
            expected = os.path.join(folder, "expected.png")
            render(tool, drawn, style, state, size, palette, marks)
            reference_face(expected, style, state, size, palette, marks)
            faces += 1
            found = differing_pixels(drawn, expected)
            if found:
                failed += 1
                print(f"style {style} state {state} size {size} palette {palette} {' '.join(marks)}: "
                      f"{len(found)} pixels differ, first {found[:3]}")
    print(f"{faces - failed} passed, {failed} failed")
    return 1 if failed else 0


def main(tool):
    return compare_all(tool, cases(), reference, differences)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
