#!/usr/bin/python3
"""Uses Ohmbench through the accessibility bus (AT-SPI) as a screen reader user
would, page by page, with what each page's file in pages/ says about it:

- every option button, chosen through its accessible action, shows the controls
  of its mode and hides the others;
- the Tab key walks the page's controls, and every stop has a role, a name (or
  the caption it is labelled by) that no other stop on the page shares, and,
  for boxes, lists and spin buttons, a value;
- the page's worked examples give results that can be read, and failures open
  a message box whose text can be read and which OK closes.

Each example starts from a freshly started program.
Usage: atspi_test.py <ohmbench program>"""
import importlib.util
import os
import pathlib
import subprocess
import sys
import time

import pyatspi

HERE = pathlib.Path(__file__).resolve().parent
FAILURES = []
PASSES = []
XK_TAB, XK_UP, XK_DOWN = 0xFF09, 0xFF52, 0xFF54


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    (PASSES if ok else FAILURES).append(what)
    return ok


def wait_for(fn, timeout=10.0, step=0.05):
    end = time.time() + timeout
    while True:
        try:
            value = fn()
        except Exception:  # the tree may change under us while the program works
            value = None
        if value or time.time() > end:
            return value
        time.sleep(step)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ohmbench":
            return app
    return None


class Program:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for(find_app, timeout=20)
        if self.app is not None:
            # No window manager runs here to make the window active (and
            # without that no control has the keyboard): a click on the title
            # caption asks for it, as a person's first click would.
            window = wait_for(lambda: self.app.getChildAtIndex(0))
            box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + 10, "b1c")
            wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), timeout=5)

    def close(self):
        self.process.kill()
        self.process.wait()
        wait_for(lambda: find_app() is None, timeout=5)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def captions(acc, roles=None):
    """Names of the captions this control is labelled by (of these roles)."""
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            targets = [relation.getTarget(i) for i in range(relation.getNTargets())]
            names += [t.name for t in targets if roles is None or t.getRoleName() in roles]
    return names


def spoken(acc):
    """What a screen reader announces the control as. On Linux a list's name
    is its current entry, so a list is known by the caption beside it, else
    by its description (a frame it sits in labels it too, but says less)."""
    if acc.getRoleName() == "combo box":
        return ([n for n in captions(acc, ("label",)) if n] or [acc.description] + captions(acc))[0]
    return acc.name or (captions(acc) or [""])[0]


def answers_to(acc, name):
    return name in (acc.name, acc.description, spoken(acc)) or name in captions(acc)


def find(app, role, name):
    """The showing control with this role that answers to this name."""
    return pyatspi.findDescendant(
        app, lambda a: a is not None and a.getRoleName() == role and showing(a) and answers_to(a, name),
        breadth_first=True)


def present(app, role, name):
    return pyatspi.findDescendant(
        app, lambda a: a is not None and a.getRoleName() == role and answers_to(a, name)) is not None


def focused(app):
    """The control with the keyboard focus (a page tab counts as focused
    whenever its page shows, so tabs are skipped unless nothing else is)."""
    hits = pyatspi.findAllDescendants(
        app, lambda a: a is not None and a.getState().contains(pyatspi.STATE_FOCUSED) and showing(a))
    controls = [a for a in hits if a.getRoleName() not in ("page tab", "page tab list", "frame", "filler")]
    return (controls or hits or [None])[-1]


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def value_of(acc):
    role = acc.getRoleName()
    if role == "combo box":
        return acc.name
    if role == "spin button":
        return str(int(acc.queryValue().currentValue))
    return text_of(acc)


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    time.sleep(0.05)


def do_action(acc, preferred):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index(preferred) if preferred in names else 0)


def message_box(app):
    """The text of the open message box, and its OK button."""
    for window in app:
        if window is None or window.getRoleName() not in ("dialog", "alert"):
            continue
        texts, ok = [], None
        for acc in pyatspi.findAllDescendants(window, lambda a: a is not None):
            if acc.getRoleName() == "label":
                texts.append(text_of(acc))
            if acc.getRoleName() == "push button" and acc.name.replace("&", "") == "OK":
                ok = acc
        if ok is not None:
            return "\n".join(texts), ok
    return None


def open_page(program, tab):
    tabs = wait_for(lambda: pyatspi.findDescendant(
        program.app, lambda a: a is not None and a.getRoleName() == "page tab list"))
    names = [tabs.getChildAtIndex(i).name for i in range(tabs.childCount)]
    do_action(tabs.getChildAtIndex(names.index(tab)), "Press")


def control(app, role, name, where):
    acc = wait_for(lambda: find(app, role, name), timeout=5)
    check(acc is not None, "%s: the %s %r is found by its spoken name" % (where, role, name))
    return acc


def walk_options(program, page):
    open_page(program, page.tab)
    for option, expect in page.options.items():
        where = "%s, %r chosen" % (page.tab, option)
        radio = control(program.app, "radio button", option, page.tab)
        if radio is None:
            continue
        do_action(radio, "Toggle")
        for role, name in expect.get("showing", []):
            check(wait_for(lambda: find(program.app, role, name)) is not None,
                  "%s: the %s %r shows" % (where, role, name))
        for role, name in expect.get("hidden", []):
            check(present(program.app, role, name) and
                  wait_for(lambda: find(program.app, role, name) is None),
                  "%s: the %s %r is hidden" % (where, role, name))
        check(radio.getState().contains(pyatspi.STATE_CHECKED), "%s: it is checked" % where)


def walk_tab_order(program, page):
    open_page(program, page.tab)
    first = wait_for(lambda: focused(program.app))
    if not check(first is not None, "%s: a control has the focus when the page opens" % page.tab):
        return
    stops, seen = [], set()
    acc = first
    for _ in range(60):
        key_id = (acc.getRoleName(), spoken(acc), acc.getIndexInParent(), acc.parent.name if acc.parent else "")
        if key_id in seen:
            break
        seen.add(key_id)
        stops.append(acc)
        key(XK_TAB)
        acc = wait_for(lambda: focused(program.app))
        if acc is None:
            break
    names = [spoken(s) for s in stops]
    check(len(stops) > 1, "%s: Tab walks %d stops: %s" % (page.tab, len(stops), names))
    for stop, name in zip(stops, names):
        role = stop.getRoleName()
        what = "%s: the %s %r" % (page.tab, role, name)
        check(role not in ("", "unknown", "filler", "panel"), what + " has a role")
        check(name.strip() != "" and names.count(name) == 1, what + " has a name no other stop shares")
        if role in ("text", "combo box", "spin button"):
            try:
                value = value_of(stop)
            except Exception as e:  # no interface at all is the fault reported
                value = None
            check(value is not None, what + " offers its value (%r)" % value)


def same(a, b):
    return (a.getRoleName(), spoken(a), a.getIndexInParent()) == (b.getRoleName(), spoken(b), b.getIndexInParent())


def within(inner, outer):
    """True when `inner` is `outer` or inside it (an editable list's field)."""
    while inner is not None:
        if same(inner, outer):
            return True
        inner = inner.parent
    return False


def pick(app, acc, entry):
    """Chooses a list entry from the keyboard, as a screen reader user does:
    Tab to the list, then Down (or Up) until it reads the entry."""
    for _ in range(60):
        if within(focused(app), acc):
            break
        key(XK_TAB)
    else:
        return False
    for arrow in (XK_DOWN, XK_UP):
        for _ in range(40):
            if acc.name == entry:
                return True
            before = acc.name
            key(arrow)
            if acc.name == before:  # the end of the list
                break
    return acc.name == entry


def run_example(program, page, steps):
    app = program.app
    open_page(program, page.tab)
    roles = {"choose": "radio button", "tick": "check box", "type": "text", "pick": "combo box",
             "step": "spin button", "press": "push button"}
    for step in steps:
        verb, where = step[0], "%s, %s" % (page.tab, step)
        if verb == "message":
            box = wait_for(lambda: message_box(app))
            if check(box is not None, where + ": a message box opens"):
                text, ok = box
                check(step[1] in text, where + ": its text is read (%r)" % text)
                do_action(ok, "Press")
                check(wait_for(lambda: message_box(app) is None), where + ": OK closes it")
            continue
        role = step[1] if verb in ("read", "describe") else roles[verb]
        name = step[2] if verb in ("read", "describe") else step[1]
        acc = control(app, role, name, page.tab)
        if acc is None:
            return
        if verb in ("choose", "tick"):
            do_action(acc, "Toggle")
        elif verb == "type":
            acc.queryEditableText().setTextContents(step[2])
        elif verb == "pick":
            check(pick(app, acc, step[2]), where + ": the entry is chosen (reads %r)" % acc.name)
        elif verb == "step":
            acc.queryValue().currentValue = float(step[2])
        elif verb == "press":
            do_action(acc, "Press")
        elif verb == "read":
            expected = step[3]
            check(wait_for(lambda: text_of(acc) == expected, timeout=5),
                  where + ": reads %r (got %r)" % (expected, text_of(acc)))
        elif verb == "describe":
            expected = step[3]
            check(wait_for(lambda: acc.description == expected, timeout=5),
                  where + ": is described as %r (got %r)" % (expected, acc.description))


def load_pages(only):
    pages = []
    for path in sorted((HERE / "pages").glob("*.py")):
        if only and path.stem not in only:
            continue
        spec = importlib.util.spec_from_file_location(path.stem, path)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        pages.append(module)
    return pages


def main(path):
    # ATSPI_PAGES=divider,resistors walks only those pages (while working on them).
    only = [p for p in os.environ.get("ATSPI_PAGES", "").split(",") if p]
    pages = load_pages(only)
    check(len(pages) == (len(only) or 6), "a walk for each of the six pages (%s)" % [p.tab for p in pages])
    for page in pages:
        for walk in (walk_options, walk_tab_order):
            program = Program(path)
            if not check(program.app is not None, "the program is on the accessibility bus"):
                return 1
            try:
                walk(program, page)
            finally:
                program.close()
        for steps in page.examples:
            program = Program(path)
            try:
                run_example(program, page, steps)
            finally:
                program.close()
    return 1 if FAILURES else 0


if __name__ == "__main__":
    code = main(sys.argv[1])
    print("%d passed, %d failed" % (len(PASSES), len(FAILURES)))
    sys.exit(code)
