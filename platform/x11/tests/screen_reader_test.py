#!/usr/bin/python3
"""Dorvex as a screen reader reads it: through pyatspi (the library Orca is
built on), from the accessibility bus. The program is already running over a
fixture log (ROWS "some") or the machine's own (ROWS "any").
Usage: screen_reader_test.py APPLICATION_NAME WINDOW_ID ROWS"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP, WINDOW, ROWS = sys.argv[1], sys.argv[2], sys.argv[3]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump(seconds, until=lambda: False):
    """Runs the client's main context so that events arrive."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)
    while context.pending():
        context.iteration(False)


def find_app():
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP and app.childCount > 0:
                return app
        time.sleep(0.1)
    return None


def walk(obj):
    """Depth first, as a reader walks: not into rows and bars it asks for one by one."""
    yield obj
    if obj.getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS):
        return
    for child in obj:
        if child is not None:
            yield from walk(child)


def find(root, role, name=None, pattern=None):
    for obj in walk(root):
        if obj.getRole() != role:
            continue
        if name is not None and obj.name != name:
            continue
        if pattern is not None and not re.match(pattern, obj.name):
            continue
        return obj
    return None


def showing(obj):
    state = obj.getState()
    return state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)


def keys(*names):
    subprocess.run(["xdotool", "key", "--window", WINDOW, *names], check=True)


class Events:
    def __init__(self, *kinds):
        self.seen = []
        self.kinds = kinds
        pyatspi.Registry.registerEventListener(self.heard, *kinds)

    def heard(self, event):
        try:
            name = event.source.name
        except Exception:
            name = None
        self.seen.append((event.type, name, event.detail1, event.source))

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self.heard, *self.kinds)

    def of(self, kind, detail1=None):
        return [name for (t, name, d, _) in self.seen
                if str(t).startswith(kind) and (detail1 is None or d == detail1)]


app = find_app()
if app is None:
    print("FAIL: no application", APP, "on the accessibility bus", file=sys.stderr)
    sys.exit(1)
frame = app[0]
check(frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Dorvex", "the frame 'Dorvex'")

# The toolbar's five shown buttons, with their Alt keys.
toolbar = find(frame, pyatspi.ROLE_TOOL_BAR)
check(toolbar is not None, "a tool bar")
buttons = [b for b in toolbar if b.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(b)]
got = [(b.name, b.queryAction().getName(0), b.queryAction().getKeyBinding(0)) for b in buttons]
check(got == [("刷新(R)", "click", "<Alt>r"), ("关于(A)", "click", "<Alt>a"),
              ("升级(U)", "click", "<Alt>u"), ("主页(H)", "click", "<Alt>h"),
              ("退出(E)", "click", "<Alt>e")], "the five tool buttons: %r" % (got,))

# Both tabs, the first selected.
tabs = find(frame, pyatspi.ROLE_PAGE_TAB_LIST)
names = [t.name for t in tabs if t.getRole() == pyatspi.ROLE_PAGE_TAB]
check(names == ["日志", "图表"], "the tabs: %r" % (names,))
selection = tabs.querySelection()
check(selection.nSelectedChildren == 1 and selection.getSelectedChild(0).name == "日志",
      "the selected tab")

# The status figures and the table with as many rows as they say.
status = find(frame, pyatspi.ROLE_STATUS_BAR)
figures = [p.name for p in status]
count = [f for f in figures if f.startswith("记录数:")]
check(len(count) == 1 and all(any(f.startswith(k) for f in figures)
                              for k in ("天数:", "总计:", "平均:")), "the figures: %r" % (figures,))
records = int(count[0].split(":")[1]) if count else -1
table_obj = find(frame, pyatspi.ROLE_TABLE)
table = table_obj.queryTable()
check(table.nRows == records and (records > 0 or ROWS == "any"),
      "rows %d, records %d" % (table.nRows, records))
headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
check(headers == ["开机时间", "关机时间", "运行时长", "登录用户", "信息"], "headers: %r" % (headers,))
check(table.getColumnHeader(0).name == "开机时间", "the first column's header object")
first = table.getAccessibleAt(0, 0) if records > 0 else None
if first is not None:
    check(re.match(r"^\d{4}/\d{1,2}/\d{1,2} \d", first.name or ""),
          "the first cell: %r" % first.name)
    check(first.getRole() == pyatspi.ROLE_TABLE_CELL, "a cell's role")
    check(first.parent.getRole() == pyatspi.ROLE_TABLE_ROW and first.parent.parent == table_obj,
          "a cell's row in the table")
    last = table.getAccessibleAt(table.nRows - 1, 4)
    check(last.name in ("正常关机", "非正常关机", "正常,运行中...", "无开机记录"),
          "the last row's state: %r" % last.name)

# The chart's bars, named as their hover tips with the unit.
chart = find(frame, pyatspi.ROLE_CHART)
bars = [chart[i].name for i in range(chart.childCount)]
check((len(bars) > 0 or records == 0) and
      all(re.match(r"^\d{4}-\d{2}-\d{2} \d+(\.\d+)? 小时$", b) for b in bars),
      "the bars: %r" % (bars[:3],))

# Refresh through the button's action: the old rows go, new ones read the same.
changes = Events("object:model-changed", "object:state-changed:defunct")
pump(0.5)  # the registry tells the program of the new listener
# A reader asks before: a gone object no longer answers, its row says defunct.
old_row = first.parent if first is not None else None
first_name = first.name if first is not None else None
buttons[0].queryAction().doAction(0)
pump(5, lambda: changes.of("object:model-changed") and
     (first is None or changes.of("object:state-changed:defunct")))
check(changes.of("object:model-changed"), "the table told of its new rows: %r" % (changes.seen,))
if first is not None:
    check(changes.of("object:state-changed:defunct", 1), "the old rows told they went")
    check(old_row.getState().contains(pyatspi.STATE_DEFUNCT), "the old row is defunct")
    check(table_obj.queryTable().getAccessibleAt(0, 0).name == first_name, "the refilled table")
changes.stop()

# The window given the keyboard is the active frame, the one Orca reads. A
# reader that begins to listen then hears at once what has the focus.
subprocess.run(["xdotool", "windowfocus", "--sync", WINDOW], check=True)
pump(5, lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))
check(frame.getState().contains(pyatspi.STATE_ACTIVE), "the focused window is the active frame")
heard = Events("object:state-changed:focused", "object:selection-changed",
               "object:active-descendant-changed")
pump(5, lambda: heard.of("object:state-changed:focused", 1))
pump(0.5)
# Without a window manager the keyboard's own focus event may tell it once more.
check(set(heard.of("object:state-changed:focused", 1)) == {"日志"},
      "the focus told again to a new listener: %r" % (heard.seen,))

# Tab and arrow keys as a user presses them: focus and selection events.
heard.seen.clear()
keys("Tab")
pump(5, lambda: heard.of("object:state-changed:focused", 1))
keys("Down")
pump(5, lambda: heard.of("object:selection-changed"))
focused = heard.of("object:state-changed:focused", 1)
check(len(focused) >= 1, "focus events of Tab: %r" % (heard.seen,))
if records > 0:
    check(heard.of("object:selection-changed"), "a selection event of Down: %r" % (heard.seen,))
    check(heard.of("object:active-descendant-changed"), "the list's active descendant")

# The list's menu, from the keyboard: its first item has the focus, a menu
# item of a menu; Escape gives the focus back to the list.
heard.seen.clear()
keys("shift+F10")
pump(5, lambda: heard.of("object:state-changed:focused", 1))
items = [s for (t, name, d, s) in heard.seen
         if str(t).startswith("object:state-changed:focused") and d == 1]
check(items and items[-1].name == "复制" and items[-1].getRole() == pyatspi.ROLE_MENU_ITEM and
      items[-1].parent.getRole() == pyatspi.ROLE_MENU, "the menu's first item: %r" % (heard.seen,))
heard.seen.clear()
keys("Escape")
pump(5, lambda: heard.of("object:state-changed:focused", 1))
check(heard.of("object:state-changed:focused", 1) and
      heard.of("object:state-changed:focused", 1)[-1] != "复制", "the focus back from the menu")
heard.stop()

# The about window: opened by its button's action, its text read, closed by "关闭".
windows = Events("window:create", "window:activate", "window:destroy")
pump(0.5)
buttons[1].queryAction().doAction(0)
pump(5, lambda: app.childCount > 1)
dialog = app[1] if app.childCount > 1 else None
check(dialog is not None and dialog.getRole() == pyatspi.ROLE_DIALOG and dialog.name == "关于",
      "the about dialog")
if dialog is not None:
    # Made before it is shown: a user, as a reader, waits for it to take the keyboard.
    pump(5, lambda: any(str(t) == "window:activate" and src == dialog
                        for (t, _, _, src) in windows.seen))
    check(dialog.getState().contains(pyatspi.STATE_MODAL), "a modal dialog")
    memo = find(dialog, pyatspi.ROLE_TEXT)
    text = memo.queryText()
    check(text.characterCount > 10 and text.getText(0, -1).startswith("Dorvex"),
          "the about text: %r" % text.getText(0, 40))
    close = find(dialog, pyatspi.ROLE_PUSH_BUTTON, name="关闭")
    close.queryAction().doAction(0)
    pump(5, lambda: app.childCount == 1)
    check(app.childCount == 1, "closed by 关闭")
pump(5, lambda: windows.of("window:destroy"))
# The same object created, activated and destroyed (gone, it may no longer say its name).
about = [src for (t, name, _, src) in windows.seen if str(t) == "window:create" and name == "关于"]
check(len(about) == 1 and all(any(str(t) == kind and src == about[0] for (t, _, _, src) in windows.seen)
                              for kind in ("window:activate", "window:destroy")),
      "the about window's create, activate and destroy: %r" % (windows.seen,))

if failures:
    sys.exit(1)
print("screen reader test passed: %d records, %d bars" % (records, len(bars)))
