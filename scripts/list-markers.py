#!/usr/bin/env python3
"""Prints the state markers down the list of a screenshot of the main window,
top to bottom: G for a green one, O for an orange one. Fonts and frames differ
between platforms; the markers, one a row, do not.
Usage: list-markers.py SCREENSHOT.png"""
import subprocess
import sys


def pixels(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return int(size[0]), int(size[1]), rgb


def kind(r, g, b):
    if g > r + 40 and g > b + 40:
        return "G"
    if r > 180 and b < 120 and g < r:
        return "O"
    return ""


def main():
    width, height, data = pixels(sys.argv[1])
    # Below the toolbar's green refresh icon, in the list's first column.
    seen, last = [], -10
    for y in range(height * 130 // 475, height):
        found = ""
        for x in range(min(40, width)):
            i = (y * width + x) * 3
            found = kind(data[i], data[i + 1], data[i + 2])
            if found:
                break
        if not found:
            continue
        # A marker's own highlight rows do not start another.
        if not seen or y - last > 4 or seen[-1] != found:
            seen.append(found)
        last = y
    print("".join(seen))


main()
