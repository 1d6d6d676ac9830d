#!/usr/bin/env python3
"""Reads the running quillmoor window through the accessibility bus (AT-SPI)
and drives it with real key presses (xdotool), as a screen-reader and keyboard
user would. Started by scripts/check-accessibility, which sets up the display,
the buses and the program; prints the controls, the checks and PASS or FAIL."""

import argparse
import os
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Atspi, GLib

# Controls the checks find by the name a screen reader hears (the program's
# Japanese source text, or its English translation in English mode).
RESULT_TABLE = "結果 素材悪魔の組み合わせ"  # list view 1116
MATERIAL_RACE_EDITS = ("素材悪魔 1 種族", "素材悪魔 2 種族")  # edits 1010 and 1011
OPEN_SEARCHED_BUTTON = "検索 新しいタブで開く"
RACE_COMBO = "種族別検索"  # combo 1003
RACE_LISTS = ("結果 合体可能種族", "種族別検索 悪魔")  # lists 1001 and 1002
TAB_ROW = "タブ"
UP_DOWN = "レベル制限 LV 増減"
STARTUP_ROWS = 22
# The tool windows: the mnemonic of each in the ツール menu (Alt+T) and its title.
TOOLS_MENU_KEY = "alt+t"
TOOL_WINDOWS = (("f", "合体シミュレーター"), ("d", "悪魔全書"), ("p", "スキル継承プランナー"), ("s", "スキル一覧"),
                ("c", "合体表"), ("m", "所持悪魔"))
# Lists a keyboard user must be able to enter with Tab and leave again.
ITEM_VIEW_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG}

# Containers whose children a screen reader reads as parts of them, not as
# controls of their own: cells, list items, menus, tabs.
LEAF_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_MENU_BAR,
              pyatspi.ROLE_PAGE_TAB_LIST}
# Roles that tell a listener nothing about what a control does.
GENERIC_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_REDUNDANT_OBJECT}
SETTLE_SECONDS = 0.15


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--lang", default="ja")
    known, _ = parser.parse_known_args()
    return known


def english_names():
    """The English translations of the program's texts, from its translation file."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations", "quillmoor_en.ts")
    names = {}
    for message in ElementTree.parse(path).iter("message"):
        source, translation = message.findtext("source"), message.findtext("translation")
        if source and translation:
            names[source] = translation
    return names


class Window:
    """The program's main window as the accessibility bus shows it."""

    def __init__(self, pid, translate):
        self.pid = pid
        self.translate = translate
        self.frame = self._find_frame(pid)
        self.window_id = self._x_window(pid)
        # Focus as a screen reader follows it: by the events the program sends,
        # shared with the views of the program's other windows.
        self.seen = {"focus": None}
        self.listener = Atspi.EventListener.new(self._on_focus)
        self.listener.register("object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1 == 1:
            self.seen["focus"] = event.source

    def window_named(self, title, timeout=10.0):
        """The program's window of that title (translated) while it shows, or None."""
        name = self.translate(title)
        deadline = time.monotonic() + timeout
        while True:
            self.settle(0.05)
            for app in pyatspi.Registry.getDesktop(0):
                try:
                    if app is None or app.get_process_id() != self.pid:
                        continue
                    for child in app:
                        if child is not None and child.name == name and child.getState().contains(pyatspi.STATE_SHOWING):
                            return child
                except Exception:
                    continue
            if time.monotonic() >= deadline:
                return None
            time.sleep(0.1)

    def inside(self, frame):
        """The same program seen from another of its windows."""
        other = object.__new__(Window)
        other.__dict__.update(self.__dict__)
        other.frame = frame
        return other

    def settle(self, seconds=SETTLE_SECONDS):
        """Lets the program act on input and delivers the events it sent."""
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    @staticmethod
    def _find_frame(pid, timeout=30.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                try:
                    if app is None or app.get_process_id() != pid:
                        continue
                    for child in app:
                        if child.getRole() == pyatspi.ROLE_FRAME and child.getState().contains(pyatspi.STATE_SHOWING):
                            return child
                except Exception:
                    continue
            time.sleep(0.2)
        raise SystemExit("the window of process %d never appeared on the accessibility bus" % pid)

    @staticmethod
    def _x_window(pid):
        for _ in range(50):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], capture_output=True, text=True)
            ids = found.stdout.split()
            if ids:
                return ids[-1]
            time.sleep(0.1)
        raise SystemExit("no X window of process %d" % pid)

    def walk(self, node=None):
        """Every object below the frame, not descending into tables, lists and menus."""
        node = node or self.frame
        for child in node:
            if child is None:
                continue
            yield child
            if child.getRole() not in LEAF_ROLES:
                yield from self.walk(child)

    def controls(self):
        """The controls a keyboard user can reach: focusable and showing."""
        found = []
        for node in self.walk():
            states = node.getState()
            if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
                found.append(node)
        return found

    def named(self, source, role=None):
        name = self.translate(source)
        for node in self.walk():
            if node.name == name and (role is None or node.getRole() == role):
                return node
        raise LookupError("no control named %r" % name)

    def focused(self):
        return self.seen["focus"]

    def press(self, keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)
        self.settle()

    def take_keyboard(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id], check=False)
        self.settle(0.5)

    def tabs(self):
        """The labels of the query tabs and the index of the selected one."""
        tab_list = next(n for n in self.walk() if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        pages = [c for c in tab_list if c is not None and c.getRole() == pyatspi.ROLE_PAGE_TAB]
        selected = [i for i, p in enumerate(pages) if p.getState().contains(pyatspi.STATE_SELECTED)]
        selected = selected[0] if len(selected) == 1 else selected
        return [p.name for p in pages], selected

    def query_state(self):
        """What the query shows: the rows of 1116, the texts of 1010/1011, the
        rows selected in lists 1001/1002 and the tabs."""
        table = self.named(RESULT_TABLE, pyatspi.ROLE_TABLE)
        texts = []
        for source in MATERIAL_RACE_EDITS:
            text = self.named(source, pyatspi.ROLE_TEXT).queryText()
            texts.append(text.getText(0, text.characterCount))
        chosen = []
        for source in RACE_LISTS:
            items = self.named(source, pyatspi.ROLE_LIST)
            chosen.append([item.name for item in items if item is not None and item.getState().contains(pyatspi.STATE_SELECTED)])
        labels, selected = self.tabs()
        return {"rows of 1116": table.queryTable().nRows, "edits 1010/1011": texts, "chosen in 1001/1002": chosen,
                "tabs": labels, "selected tab": selected}

    def tab_to(self, target, key="Tab", limit=100):
        """Presses the key until the target control has the focus."""
        for _ in range(limit):
            if control_of(self.focused()) == target:
                return True
            self.press(key)
        return control_of(self.focused()) == target


def describe(node):
    if node is None:
        return "(nothing)"
    try:
        return "%s %r" % (node.getRoleName(), node.name)
    except GLib.GError:
        return "(an object now gone)"


def control_of(node):
    """The control a focused part belongs to: the text field of a combo box is
    the combo box, a cell is its table, an item its list, a tab the row of tabs."""
    try:
        parent = node.parent if node is not None else None
    except GLib.GError:  # a cell or item gone with its row
        return node
    if parent is not None and parent.getRole() in LEAF_ROLES | {pyatspi.ROLE_COMBO_BOX}:
        return parent
    return node


class Report:
    def __init__(self):
        self.failures = []

    def check(self, title, passed, detail=""):
        print("%s  %s%s" % ("PASS" if passed else "FAIL", title, (": " + detail) if detail else ""))
        if not passed:
            self.failures.append(title)


def list_controls(window, report):
    print("== Controls a keyboard reaches (role | name)")
    controls = window.controls()
    unnamed, generic = [], []
    for node in controls:
        enabled = node.getState().contains(pyatspi.STATE_ENABLED)
        print("  %-14s | %s%s" % (node.getRoleName(), node.name or "(NO NAME)", "" if enabled else "   (disabled)"))
        if not node.name.strip():
            unnamed.append(node)
        if node.getRole() in GENERIC_ROLES:
            generic.append(node)
    decorations = [n for n in window.walk() if n.getState().contains(pyatspi.STATE_SHOWING) and not any(n == c for c in controls)
                   and (n.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_SPIN_BUTTON)
                        or n.name == window.translate(UP_DOWN))]
    for node in decorations:
        print("  %-14s | %s   (not a Tab stop)" % (node.getRoleName(), node.name or "(NO NAME)"))
    named = len(controls) - len(unnamed)
    print("  %d controls, %d named" % (len(controls), named))
    report.check("every control has a name", not unnamed, ", ".join(describe(n) for n in unnamed))
    report.check("no control reads as a bare container", not generic, ", ".join(describe(n) for n in generic))
    report.check("the icon and the up-down have names", all(n.name.strip() for n in decorations),
                 ", ".join(describe(n) for n in decorations if not n.name.strip()))
    report.check("the up-down reads as a spin button", any(n.getRole() == pyatspi.ROLE_SPIN_BUTTON for n in decorations + controls),
                 ", ".join(describe(n) for n in decorations if n.name == window.translate(UP_DOWN)))
    try:
        window.named(TAB_ROW, pyatspi.ROLE_PAGE_TAB_LIST)
        tab_row_named = True
    except LookupError:
        tab_row_named = False
    report.check("the tab row reads as a page tab list named %r" % window.translate(TAB_ROW), tab_row_named,
                 ", ".join(describe(n) for n in controls if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST))
    labels, selected = window.tabs()
    report.check("the current tab reads as the one selected tab", isinstance(selected, int), "selected %s of %s" % (selected, labels))
    return controls


def tab_round(window, controls):
    """Presses Tab a little more often than there are controls; the controls
    that took the focus, in the order they took it."""
    reached = []
    for _ in range(len(controls) + 5):
        window.press("Tab")
        focused = control_of(window.focused())
        if focused is not None and not any(focused == r for r in reached):
            reached.append(focused)
    return reached


def tab_through_form(window, controls, report, when):
    print("== Tab through the whole form " + when)
    before = window.query_state()
    print("  before:", before)
    reached = tab_round(window, controls)
    print("  Tab order: " + " → ".join(repr(n.name) for n in reached))
    after = window.query_state()
    print("  after: ", after)
    missed = [describe(c) for c in controls
              if c.getState().contains(pyatspi.STATE_ENABLED) and not any(control_of(c) == r for r in reached)]
    report.check("Tab reaches every enabled control " + when, bool(reached) and not missed, ", ".join(missed))
    report.check("tabbing through the form changes nothing " + when, after == before,
                 "before %s, after %s" % (before, after))


def check_startup(window, report):
    state = window.query_state()
    report.check("1116 lists %d rows at start-up" % STARTUP_ROWS, state["rows of 1116"] == STARTUP_ROWS,
                 str(state["rows of 1116"]))
    report.check("edits 1010/1011 are empty at start-up", state["edits 1010/1011"] == ["", ""],
                 str(state["edits 1010/1011"]))


def choose_race(window, report):
    """Race mode: the next race picked with the Down key in combo 1003, so that
    list 1002 lists the race's demons with none of them chosen."""
    combo = window.named(RACE_COMBO, pyatspi.ROLE_COMBO_BOX)
    if not window.tab_to(combo):
        report.check("Tab reaches combo 1003", False)
        return False
    window.press("Down")
    return True


def tab_out_of_result_table(window, controls, report):
    print("== Tab and Shift+Tab from the result table 1116")
    table = window.named(RESULT_TABLE, pyatspi.ROLE_TABLE)
    before = window.query_state()

    for key, title in (("Tab", "Tab"), ("shift+Tab", "Shift+Tab")):
        if not window.tab_to(table, key):
            report.check("%s reaches 1116" % title, False)
            continue
        window.press(key)
        now = window.focused()
        report.check("%s leaves 1116" % title, now is not None and control_of(now) != table, "focus on " + describe(now))
    after = window.query_state()
    report.check("leaving 1116 changes nothing", after == before, "before %s, after %s" % (before, after))


def leave_window_and_return(window, controls, report):
    """The focus leaves the window for a dialog (the About box, Alt+A) and comes
    back to list 1001 when it closes: the list gains the focus anew."""
    print("== Focus back in list 1001 after a dialog")
    race_pairs = window.named(RACE_LISTS[0], pyatspi.ROLE_LIST)
    if not window.tab_to(race_pairs):
        report.check("Tab reaches list 1001", False)
        return
    before = window.query_state()
    window.press("alt+a")
    window.settle(0.5)
    dialog = control_of(window.focused()) != race_pairs
    window.press("Escape")
    # Without a window manager nobody activates the main window again: do as one would.
    window.take_keyboard()
    after = window.query_state()
    report.check("Alt+A opens a dialog and Escape closes it onto list 1001",
                 dialog and control_of(window.focused()) == race_pairs, "focus on " + describe(window.focused()))
    report.check("the focus coming back changes nothing", after == before, "before %s, after %s" % (before, after))


def switch_tabs(window, report):
    print("== Ctrl+Tab and Ctrl+PgDn switch query tabs")
    opener = window.named(OPEN_SEARCHED_BUTTON, pyatspi.ROLE_PUSH_BUTTON)
    for _ in range(2):
        opener.queryAction().doAction(0)
        window.settle()
    labels, start = window.tabs()
    print("  tabs:", labels, "selected", start)
    if len(labels) < 3 or not isinstance(start, int):
        report.check("three tabs open to switch between, one selected", False, "%s, selected %s" % (labels, start))
        return
    table = window.named(RESULT_TABLE, pyatspi.ROLE_TABLE)
    if not window.tab_to(table):
        report.check("Tab reaches 1116", False)
        return
    count = len(labels)
    for key, step in (("ctrl+Tab", 1), ("ctrl+Next", 1), ("ctrl+Prior", -1), ("ctrl+shift+Tab", -1)):
        _, before = window.tabs()
        window.press(key)
        _, after = window.tabs()
        expected = (before + step) % count if isinstance(before, int) else None
        report.check("%s from 1116 selects tab %s after tab %s" % (key, expected, before), after == expected,
                     "selected %s" % after)


def tool_window_checks(window, report, mnemonic, title):
    """Opens a tool window from the ツール menu with the keyboard and checks it
    as the main window is checked: names and roles, Tab in and out of its
    lists, and Escape closing it."""
    print("== Tool window " + window.translate(title))
    frame = None
    for attempt in range(3):  # a busy machine may open the menu after the next key has gone
        window.take_keyboard()
        window.press(TOOLS_MENU_KEY)
        window.settle(0.5 * attempt)
        window.press(mnemonic)
        frame = window.window_named(title)
        if frame is not None:
            break
        window.press("Escape")
    if frame is None:
        report.check("Alt+T %s opens %r" % (mnemonic, window.translate(title)), False)
        return
    tool = window.inside(frame)
    name = window.translate(title)
    report.check("%s reads as a window" % name, frame.getRole() in WINDOW_ROLES, describe(frame))
    controls = tool.controls()
    for node in controls:
        print("  %-14s | %s" % (node.getRoleName(), node.name or "(NO NAME)"))
    unnamed = [describe(n) for n in controls if not n.name.strip()]
    generic = [describe(n) for n in controls if n.getRole() in GENERIC_ROLES]
    report.check("every control of %s has a name" % name, not unnamed, ", ".join(unnamed))
    report.check("no control of %s reads as a bare container" % name, not generic, ", ".join(generic))
    hidden = []
    for node in tool.walk():
        if node.getRole() != pyatspi.ROLE_LABEL or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        try:
            text = node.queryText()
            shown = text.getText(0, text.characterCount).strip()
        except NotImplementedError:
            continue
        if shown and shown not in node.name:
            hidden.append("%r reads as %r" % (shown, node.name))
    report.check("every text of %s reads as itself" % name, not hidden, ", ".join(hidden))
    combo_names = [n.name for n in controls if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    shared = sorted({n for n in combo_names if combo_names.count(n) > 1})
    report.check("no two combo boxes of %s read the same name" % name, not shared, ", ".join(shared))

    reached = tab_round(window, controls)
    missed = [describe(c) for c in controls
              if c.getState().contains(pyatspi.STATE_ENABLED) and not any(control_of(c) == r for r in reached)]
    report.check("Tab reaches every enabled control of %s" % name, bool(reached) and not missed, ", ".join(missed))

    for view in [c for c in controls if c.getRole() in ITEM_VIEW_ROLES]:
        for key, title_of_key in (("Tab", "Tab"), ("shift+Tab", "Shift+Tab")):
            entered = tool.tab_to(view, key, limit=len(controls) + 5)
            if entered and key == "Tab" and view.getRole() == pyatspi.ROLE_TABLE and view.queryTable().nRows > 0:
                first_arrow_is_read(window, view, name, report)
            window.press(key)
            now = window.focused()
            report.check("%s enters and leaves %s in %s" % (title_of_key, describe(view), name),
                         entered and now is not None and control_of(now) != view, "focus on " + describe(now))

    window.press("Escape")
    window.settle(0.3)
    still = window.window_named(title, timeout=0.5)
    report.check("Escape closes %s" % name, still is None)


def first_arrow_is_read(window, view, name, report):
    """The first ↓ in a table reached by Tab chooses its first row and moves
    the focus a screen reader follows onto that row's cell."""
    window.press("Down")
    now = window.focused()
    try:
        on_cell = now is not None and now != view and control_of(now) == view and now.getIndexInParent() >= 0
        row = view.queryTable().getRowAtIndex(now.getIndexInParent()) if on_cell else None
    except GLib.GError:
        on_cell, row = False, None
    report.check("the first Down in %s of %s is read on row 0" % (describe(view), name), on_cell and row == 0,
                 "focus on %s, row %s" % (describe(now), row))


def main():
    arguments = parse_arguments()
    translations = english_names() if arguments.lang == "en" else {}
    window = Window(arguments.pid, lambda source: translations.get(source, source))
    report = Report()
    controls = list_controls(window, report)
    window.take_keyboard()

    def race_mode():
        if choose_race(window, report):
            tab_through_form(window, controls, report, "in race mode")

    for title, run in (("start-up", lambda: check_startup(window, report)),
                       ("Tab at start-up", lambda: tab_through_form(window, controls, report, "at start-up")),
                       ("Tab out of 1116", lambda: tab_out_of_result_table(window, controls, report)),
                       ("a dialog", lambda: leave_window_and_return(window, controls, report)),
                       ("Tab in race mode", race_mode),
                       ("switching tabs", lambda: switch_tabs(window, report))) + tuple(
                           ("tool window " + tool_title,
                            lambda key=key, tool_title=tool_title: tool_window_checks(window, report, key, tool_title))
                           for key, tool_title in TOOL_WINDOWS):
        try:
            run()
        except (GLib.GError, LookupError, StopIteration) as error:
            report.check(title + " could be read through the accessibility bus", False, str(error))
    print("== %s (%d failed)" % ("FAIL" if report.failures else "PASS", len(report.failures)))
    for title in report.failures:
        print("  failed:", title)
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
