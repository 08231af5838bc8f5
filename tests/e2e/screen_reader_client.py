# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's side of a Beginner game with fixed mines, through AT-SPI only: finds
# the board as a 9 x 9 table, reads cells before and after moves, hears the news as
# description changes and as a notification shown, and wins with accessible actions and keys.
# Usage: screen_reader_client.py <the program's window id>
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WINDOW = sys.argv[1]
heard = []
notified = []
focused = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


# What is heard is the description the changed object has now.
def on_description(event):
    heard.append(event.source.description)


# The cells that took the focus, one event each.
def on_focus(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_TABLE_CELL:
        focused.append(event.source.name)


# A notification shown is what a screen reader speaks of its own accord.
def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        notified.append(event.source.name)


# Runs the bus until the condition holds; the limit only guards against a hang.
def wait_for(condition, what):
    limit = time.monotonic() + 30
    context = GLib.MainContext.default()
    while time.monotonic() < limit:
        while context.iteration(False):
            pass
        if condition():
            return
        time.sleep(0.05)
    fail("waited in vain for " + what + "; heard " + repr(heard))


def hear(text):
    wait_for(lambda: text in heard, repr(text))


def hear_starting(start):
    wait_for(lambda: any(h.startswith(start) for h in heard), repr(start + "..."))


def keys(*names):
    subprocess.run(["xdotool", "windowfocus", "--sync", WINDOW], check=True)
    subprocess.run(["xdotool", "key", *names], check=True)


def find(root, role):
    return pyatspi.findDescendant(root, lambda node: node.getRole() == role)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "orvane":
            return app
    return None


pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
wait_for(lambda: program() is not None, "the program on the accessibility bus")
board = find(program(), pyatspi.ROLE_TABLE)
status = find(program(), pyatspi.ROLE_STATUS_BAR)
if board is None or status is None:
    fail("no board table or status bar")
table = board.queryTable()
if (table.nRows, table.nColumns) != (9, 9):
    fail("the board is %d x %d" % (table.nRows, table.nColumns))


def cell(row, column):
    return table.getAccessibleAt(row, column).name


def status_item(start):
    names = [status.getChildAtIndex(i).name for i in range(status.childCount)]
    return next((n for n in names if n.startswith(start)), "none among " + repr(names))


if cell(4, 4) != "closed" or status_item("mines left") != "mines left 10":
    fail("the new board reads %r, %r" % (cell(4, 4), status_item("mines left")))

# The first arrow shows the keyboard's cell in the middle; W tells where it is.
keys("Right", "w")
hear("row 5, column 5, closed")

# The middle opens everything but the bottom right cell, a 2 beside two mines.
middle = table.getAccessibleAt(4, 4).queryAction()
names = [middle.getName(i) for i in range(middle.nActions)]
if names != ["open", "chord", "flag"]:
    fail("the cell's actions are " + repr(names))
middle.doAction(0)
hear("70 cells opened")
wait_for(lambda: "70 cells opened" in notified, "the news as a notification")
# The keyboard's cell, focused once when the cursor came to it, carries the news too.
if len(focused) != 1 or table.getAccessibleAt(4, 4).description != "70 cells opened":
    fail("the cursor's cell took the focus %d times and reads %r"
         % (len(focused), table.getAccessibleAt(4, 4).description))
if (cell(4, 4), cell(7, 7), cell(8, 8)) != ("empty", "3", "closed"):
    fail("after the open the cells read %r" % [cell(4, 4), cell(7, 7), cell(8, 8)])

corner = table.getAccessibleAt(0, 0).queryAction()
corner.doAction(names.index("flag"))
wait_for(lambda: cell(0, 0) == "flagged", "the flag on the top left cell")
if status_item("mines left") != "mines left 9":
    fail("with a flag the status reads " + status_item("mines left"))
if "" in heard or "" in notified:
    fail("a move with no news was told as silence, over the news before it")

# The last safe cell, by the keys: the end of the row, the bottom of the column, Space.
keys("End", "Next", "space")
hear_starting("1 cell opened, game won in ")
if (cell(8, 8), cell(8, 0)) != ("2", "flagged"):
    fail("the won board reads %r, %r" % (cell(8, 8), cell(8, 0)))
print("PASS")
