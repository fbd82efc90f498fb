#!/usr/bin/env python3
"""Prints the state markers down the list of a screenshot of the main window,
top to bottom: G for a green one, O for an orange one. Fonts and frames differ
between platforms; the markers, one a row, do not.
Usage: list-markers.py SCREENSHOT.png"""
import subprocess
import sys

run = lambda *a: subprocess.run(a, check=True, capture_output=True).stdout
width, height = map(int, run("identify", "-format", "%w %h", sys.argv[1]).split())
data = run("convert", sys.argv[1], "-depth", "8", "rgb:-")
seen, last = [], -10
# Below the toolbar's green refresh icon, in the list's first column.
for y in range(height * 130 // 475, height):
    for x in range(min(40, width)):
        r, g, b = data[(y * width + x) * 3:(y * width + x) * 3 + 3]
        found = "G" if g > r + 40 and g > b + 40 else "O" if r > 180 and b < 120 and g < r else ""
        if found:
            # A marker's own highlight rows do not start another.
            if not seen or y - last > 4 or seen[-1] != found:
                seen.append(found)
            last = y
            break
print("".join(seen))
