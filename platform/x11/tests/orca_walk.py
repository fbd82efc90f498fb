#!/usr/bin/python3
"""Dorvex as Orca speaks it, over a fixture log: the keys a user presses, and
what Orca's log says after each. Orca runs headless (orca_headless.py).
Usage: orca_walk.py WINDOW_ID HEADLESS_ORCA PREFS_DIR LOG"""
import re
import subprocess
import sys
import time

WINDOW, HEADLESS, PREFS, LOG = sys.argv[1:5]
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'[\[{]", re.S)
failures = []


def spoken():
    try:
        with open(LOG, encoding="utf-8", errors="replace") as log:
            return UTTERANCE.findall(log.read())
    except FileNotFoundError:  # Orca has not begun
        return []


class Walk:
    """Keys, then what Orca says about them: utterances after the keys only."""

    def __init__(self):
        self.heard = 0

    def step(self, what, keys, *patterns, timeout=10):
        start = len(spoken())
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)
        found = [None] * len(patterns)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and None in found:
            said = spoken()[self.heard if not keys else start:]
            for i, pattern in enumerate(patterns):
                found[i] = found[i] or next(
                    (m for m in map(re.compile(pattern).search, said) if m), None)
            time.sleep(0.05)
        if None in found:
            failures.append(what)
            print("FAIL: %s: %r not in %r" % (what, [p for p, f in zip(patterns, found) if not f],
                                              spoken()[start:]), file=sys.stderr)
        self.heard = len(spoken())
        return found


orca = subprocess.Popen(["/usr/bin/python3", HEADLESS, LOG, PREFS])
try:
    walk = Walk()
    began = time.monotonic()
    walk.step("Orca begins in the main window", [], r"^Dorvex frame", r"^日志 page tab",
              timeout=30)
    print("orca ready after %.1f s" % (time.monotonic() - began))
    _, table = walk.step("the list, named by its heading", ["Tab"], r"^开机/关机日志\.?$",
                         r"^table with (\d+) rows 5 columns")
    rows = table.group(1) if table else "?"
    walk.step("the first Down tells the row it selects", ["Down"],
              r"^\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d\d:\d\d, ")
    walk.step("where am I on the first row", ["KP_Enter"], r"^1 of %s\.$" % rows)
    walk.step("the chart's tab", ["ctrl+Tab"], r"^图表 page tab")
    walk.step("flat review reaches the chart's heading", ["KP_Up", "KP_Page_Up"], r"^运行时间图表$")
    walk.step("and its bars, with their unit", ["KP_Page_Up"], r"\d{4}-\d\d-\d\d [\d.]+ 小时")
    walk.step("back to the list's tab", ["ctrl+Tab"], r"^日志 page tab")
    walk.step("the about dialog", ["alt+a"], r"^关于 dialog", r"^关闭 push button")
    walk.step("its text", ["Tab"], r"^read only text", r"^Dorvex\.?$")
    walk.step("its text, line by line", ["Down"], r"^\(1\)显示电脑启动时间、关机时间、登录用户等信息；")
    walk.step("关闭 closes it; the main window is active again", ["shift+Tab", "Return"],
              r"^Dorvex frame")
    walk.step("a refresh is announced once", ["alt+r"], r"^notification 列表已刷新，记录数:%s\.?$" % rows)
finally:
    orca.terminate()
    try:
        orca.wait(5)
    except subprocess.TimeoutExpired:
        orca.kill()
        orca.wait()

if failures:
    sys.exit(1)
print("orca test passed: %d utterances" % len(spoken()))
