# SPDX-License-Identifier: GPL-3.0-or-later
# Dicemere under weston with no X server, driven through AT-SPI: it starts, each window has its
# client size, it rolls, Info opens About and System Info with no tool says so. weston's protocol
# log (the argument) shows what each window asked the compositor for, the app id among it, which
# must be the project's (DICEMERE_APP_ID). Prints "N passed, N failed".
import os
import re
import sys

import pyatspi

from atspiclient import application, check, find, press, report, wait_for


def size(window):
    extents = window.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return (extents.width, extents.height)


main = wait_for(lambda: find(application(), "frame", "Dicemere"), 20)
check(main is not None, "the program starts under weston")
if main is not None:
    check(size(main) == (492, 123), "the main window's client size is 492x123: %s" % (size(main),))
    label = find(find(main, "status bar"), "label")
    check(label is not None, "the roll's frame is a status bar with the roll")
    first = label and label.name
    check(label and wait_for(lambda: label.name != first, 10),
          "it rolls: %s, then %s" % (first, label and label.name))
    press(find(main, "push button", "Info"))
    about = wait_for(lambda: find(application(), "dialog", "About Dicemere"), 5)
    check(about and size(about) == (382, 237), "Info opens About, 382x237")
    press(find(about, "push button", "System Info..."))
    text = "System Information Is Unavailable At This Time"
    box = wait_for(lambda: find(application(), "alert"), 5)
    check(find(box, "label", text), "System Info with no tool says: " + text)
    if box:
        press(find(box, "push button", "OK"))

log = open(sys.argv[1]).read()
app_ids = re.findall(r"rq xdg_toplevel@\d+\.set_app_id\((.*)\)", log)
print("weston's windows set the app ids", app_ids)
check(app_ids == ['"%s"' % os.environ["DICEMERE_APP_ID"]] * 3, "all three windows set the app id")
about = re.search(r"rq (xdg_toplevel@\d+)\.set_title\(\"About Dicemere\"\)", log)
limits = about and re.findall(r"rq %s\.set_m(?:in|ax)_size\((.*)\)" % about[1], log)
print("About's size limits", limits)
check(limits == ["382, 237"] * 2, "About's size is fixed for weston")

report()
