#!/usr/bin/python3
"""Uses Ohmbench through the accessibility bus as a screen reader user would:
find the Potential Dividers page and its controls by their spoken names, type
values, press the button, read the results and the message box text."""
import sys
import time

import pyatspi

FAILURES = []
PASSES = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    (PASSES if ok else FAILURES).append(what)


def wait_for(fn, timeout=10.0, step=0.1):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = fn()
        except Exception:  # the tree may change under us while the app works
            value = None
        if value:
            return value
        time.sleep(step)
    return None


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ohmbench":
            return app
    return None


def find(root, role, name, showing_only=False):
    """First descendant with this role name and accessible name."""
    def match(acc):
        if acc is None or acc.getRoleName() != role or acc.name != name:
            return False
        return not showing_only or acc.getState().contains(pyatspi.STATE_SHOWING)
    return pyatspi.findDescendant(root, match, breadth_first=True)


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def set_text(acc, value):
    acc.queryEditableText().setTextContents(value)


def press(acc):
    acc.queryAction().doAction(0)


def message_box(app):
    """The text of the open message box, and its OK button."""
    for window in app:
        if window is None or window.getRoleName() not in ("dialog", "alert"):
            continue
        texts = []
        ok = None
        def collect(acc):
            nonlocal ok
            for child in acc:
                if child is None:
                    continue
                if child.getRoleName() == "label":
                    texts.append(text_of(child))
                if child.getRoleName() == "push button" and child.name.replace("&", "") == "OK":
                    ok = child
                collect(child)
        collect(window)
        if ok is not None:
            return "\n".join(texts), ok
    return None


def main():
    app = wait_for(find_app, timeout=20)
    check(app is not None, "the program is on the accessibility bus")
    if app is None:
        return 1

    tabs = wait_for(lambda: pyatspi.findDescendant(app, lambda a: a is not None and a.getRoleName() == "page tab list"))
    check(tabs is not None, "the page tabs are reachable")
    names = [tabs.getChildAtIndex(i).name for i in range(tabs.childCount)]
    index = names.index("Potential Dividers")
    press(tabs.getChildAtIndex(index))  # a page tab is pressed like a button

    tap = wait_for(lambda: find(app, "text", "Tap 1 voltage", showing_only=True))
    check(tap is not None, "the first tap box is found by its spoken name once its page shows")
    if tap is None:
        return 1
    e12 = find(app, "radio button", "E12 series", showing_only=True)
    calc = find(app, "push button", "Calculate resistance values", showing_only=True)
    r1 = find(app, "label", "R1 value", showing_only=True)
    r2 = find(app, "label", "R2 value", showing_only=True)
    check(None not in (e12, calc, r1, r2), "series option, button and value labels are found by name")
    if None in (e12, calc, r1, r2):
        return 1

    press(e12)
    set_text(tap, "3v")
    press(calc)
    # Ideal 70K and 30K fit to E12 as 68K and 27K; the tap then really sits at 2.84 V.
    check(wait_for(lambda: text_of(r1) == "68K"), "R1 reads 68K (got %r)" % text_of(r1))
    check(text_of(r2) == "27K", "R2 reads 27K (got %r)" % text_of(r2))
    check(wait_for(lambda: text_of(tap) == "2.84v"), "the tap box reads 2.84v (got %r)" % text_of(tap))

    set_text(tap, "12v")
    press(calc)  # the box opens modally; the action returns first
    box = wait_for(lambda: message_box(app))
    check(box is not None, "a message box opens for a tap outside the supply")
    if box is not None:
        text, ok = box
        check("Voltage tap 1 is not within the supply voltage specified!" in text, "its text is read: %r" % text)
        press(ok)
        check(wait_for(lambda: message_box(app) is None), "OK closes it")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    code = main()
    print("%d passed, %d failed" % (len(PASSES), len(FAILURES)))
    sys.exit(code)
