# SPDX-License-Identifier: GPL-3.0-or-later
# Uses Dicemere the way a screen reader does, through AT-SPI: walks both windows, reads the roll,
# listens for its changes, presses buttons through their actions and moves the slider through
# its value. Prints "N passed, N failed" and exits non-zero on any failure.
import sys

import pyatspi

from atspiclient import application, check, find, press, report, wait_for


def roll_of(label):
    try:
        return int(label.name)
    except ValueError:
        return None


app = wait_for(application, 20)
if app is None:
    print("0 passed, 1 failed")
    sys.exit(1)

# The main window: a frame whose children are the controls, named as on screen.
main = wait_for(lambda: find(app, "frame", "Dicemere"), 10)
check(main is not None, "the main window is a frame named Dicemere")
# The frame is a status bar, which Orca reads on request, caption and roll together.
frame = find(main, "status bar")
label = find(frame, "label")
check(frame is not None and label is not None, "the roll's frame is a status bar with the roll")
if label is None:
    report()
check(frame.name in ("Roll", "Roll: d20"), "the frame carries its caption")
check(label.description == "Latest roll", "the roll label says what it shows")
for name in ("d4", "d6", "d8", "d10", "d12", "d20", "d100", "Info"):
    button = find(main, "push button", name)
    check(button is not None and button.getState().contains(pyatspi.STATE_FOCUSABLE),
          "a focusable button %s" % name)
    check(button is not None and not button.getRelationSet(), "no stray relation on %s" % name)
slider = find(main, "slider", "Roll pause")
check(slider is not None and slider.queryValue().currentValue == 8, "the slider starts at 8")
check(slider.description == "1 second between rolls", "the slider says its pause in words")

# The roll can be read at any moment, and each new roll is reported.
names = []
descriptions = []


def listen(event):
    if event.type.startswith("object:property-change:accessible-name"):
        names.append(event.source)
    else:
        descriptions.append((event.source, event.any_data))


pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name",
                                       "object:property-change:accessible-description")
check(wait_for(lambda: roll_of(label) is not None and 1 <= roll_of(label) <= 20, 3),
      "the roll reads as a number of the d20")
count = len(names)
check(wait_for(lambda: any(source == label for source in names[count:]), 3),
      "a new roll is reported")
check(1 <= (roll_of(label) or 0) <= 20, "the reported roll is one of the d20's faces")

# A die pressed through its action is named by the frame at the next roll, and the die buttons,
# described by the frame, report it.
press(find(main, "push button", "d6"))
check(wait_for(lambda: frame.name == "Roll: d6", 3), "the frame names the d6 at the next roll")
check(1 <= (roll_of(label) or 0) <= 6, "the roll is one of the d6's")
check(wait_for(lambda: find(main, "push button", "d6").description == "Roll: d6", 1),
      "the die buttons tell the die now rolled")
check(wait_for(lambda: (find(main, "push button", "d6"), "Roll: d6") in descriptions, 1),
      "the description's change carries the new text")
check(any(source == frame for source in names), "the frame's change is reported")

# The slider moved through its value sets the pause: said in words, and heard in the cadence.
slider.queryValue().currentValue = 1
check(wait_for(lambda: slider.description == "0.125 seconds between rolls", 2),
      "the slider says the new pause in words")
check((slider, "0.125 seconds between rolls") in descriptions, "the pause's change is reported")
count = len(names)
wait_for(lambda: False, 1.2)
rolls = sum(1 for source in names[count:] if source == label)
check(rolls >= 5, "eight rolls a second after the shortest pause (heard %d)" % rolls)

# Info opens the About window as a dialog with its texts; OK takes it out of the tree.
press(find(main, "push button", "Info"))
about = wait_for(lambda: find(app, "dialog", "About Dicemere"), 3)
check(about is not None, "the About window is a dialog named About Dicemere")
if about is not None:
    texts = [child.name for child in about if child.getRoleName() == "label"]
    check(texts[:2] == ["Dicemere", "Version 1.0.0"], "title and version: %s" % texts[:2])
    check(find(about, "image", "Clock") is not None, "the clock is an image")
    check(len([c for c in about if c.getRoleName() == "separator"]) == 2, "two separators")
    press(find(about, "push button", "OK"))
    check(wait_for(lambda: find(app, "dialog") is None, 3), "the unloaded window leaves the tree")
check(all(child.getRoleName() == "frame" for child in app if child is not None),
      "only the main window is left")

report()
