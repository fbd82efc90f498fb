#!/usr/bin/python3
"""Dorvex as Orca speaks it, over a fixture log: the keys a user presses, and
what Orca says after each (its log). Usage: orca_walk.py ORCA_HEADLESS WORK_DIR"""
import os
import re
import subprocess
import sys
import time

LOG = os.path.join(sys.argv[2], "orca.log")
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'[\[{]", re.S)
failures = []


def spoken():
    try:
        with open(LOG, encoding="utf-8", errors="replace") as log:
            return UTTERANCE.findall(log.read())
    except FileNotFoundError:  # Orca has not begun
        return []


def step(what, keys, *patterns, timeout=10):
    """Presses the keys; each pattern must match something said after them."""
    start = len(spoken()) if keys else 0
    if keys:
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)
    found, deadline = [None] * len(patterns), time.monotonic() + timeout
    while None in found and time.monotonic() < deadline:
        said = spoken()[start:]
        found = [f or next(filter(None, map(re.compile(p).search, said)), None)
                 for f, p in zip(found, patterns)]
        time.sleep(0.05)
    if None in found:
        failures.append(what)
        print("FAIL: %s: %r not in %r" % (what, patterns, spoken()[start:]), file=sys.stderr)
    return found


orca = subprocess.Popen(["/usr/bin/python3", sys.argv[1], LOG, os.path.join(sys.argv[2], "prefs")])
try:
    step("Orca begins in the main window", [], r"^Dorvex frame", r"^日志 page tab", timeout=30)
    _, table = step("the list, named by its heading", ["Tab"], r"^开机/关机日志\.?$",
                    r"^table with (\d+) rows 5 columns")
    rows = table.group(1) if table else "?"
    step("the first Down tells the row it selects", ["Down"], r"^\d{4}/\d+/\d+ \d+:\d\d:\d\d, ")
    step("where am I on the first row", ["KP_Enter"], r"^1 of %s\.$" % rows)
    step("the chart's tab", ["ctrl+Tab"], r"^图表 page tab")
    step("flat review reaches the chart's heading", ["KP_Up", "KP_Page_Up"], r"^运行时间图表$")
    step("and its bars, with their unit", ["KP_Page_Up"], r"\d{4}-\d\d-\d\d [\d.]+ 小时")
    step("back to the list's tab", ["ctrl+Tab"], r"^日志 page tab")
    step("the about dialog", ["alt+a"], r"^关于 dialog", r"^关闭 push button")
    step("its text", ["Tab"], r"^read only text", r"^Dorvex\.?$")
    step("its text, line by line", ["Down"], r"^\(1\)显示电脑启动时间、关机时间、登录用户等信息；")
    step("关闭 closes it; the main window is active again", ["shift+Tab", "Return"], r"^Dorvex frame")
    step("a refresh is announced once", ["alt+r"], r"^notification 列表已刷新，记录数:%s\.?$" % rows)
finally:
    orca.terminate()
    try:
        orca.wait(5)
    except subprocess.TimeoutExpired:
        orca.kill()
if failures:
    sys.exit(1)
print("orca test passed: %d utterances" % len(spoken()))
