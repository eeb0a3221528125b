# SPDX-License-Identifier: GPL-3.0-or-later
# What the AT-SPI tests share: finding the program and its controls as a screen reader does,
# pressing buttons through their actions, and counting checks into "N passed, N failed".
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
passed = 0


def check(condition, what):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(what)
        print("FAIL:", what, flush=True)


def report():
    print("%d passed, %d failed" % (passed, len(failures)))
    sys.exit(1 if failures else 0)


def wait_for(predicate, seconds):
    """Runs the event loop until predicate() holds or the time is up."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        value = predicate()
        if value:
            return value
        time.sleep(0.02)
    return predicate()


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Dicemere":
            return app
    return None


def found(obj, what):
    """obj, where it is there; else a failed check named what, and the end of the run."""
    check(obj is not None, what)
    if obj is None:
        report()
    return obj


def find(root, role, name=None):
    """The role is named as at-spi2-core named it up to 2.46 ("push button") and compared as
    its number on the bus: 2.56 names some roles anew ("button")."""
    number = getattr(pyatspi, "ROLE_" + role.upper().replace(" ", "_"))
    for child in root or []:
        if child is None:
            continue
        if child.getRole() == number and (name is None or child.name == name):
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press(root, name):
    obj = found(find(root, "push button", name), "a push button %s" % name)
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "%s can be pressed" % obj.name)
    action.doAction(names.index("Press"))
