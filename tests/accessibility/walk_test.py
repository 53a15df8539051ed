#!/usr/bin/python3
"""Uses Ohmbench through AT-SPI with the Orca screen reader beside it, page by page and mode by mode as
../page_modes.json lists them: each mode's steps and the controls it shows and hides, then one Tab round
checked at every stop in the tree and as Orca says it (judge); then the arrow keys in each option group and,
on a second start, the worked examples. Usage: walk_test.py <ohmbench>; WALK_PAGES=divider,... walks only those."""
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

TABLE = pathlib.Path(__file__).resolve().parent.parent / "page_modes.json"
FAILURES, PASSES = [], []
XK_TAB, XK_UP, XK_DOWN, XK_RETURN = 0xFF09, 0xFF52, 0xFF54, 0xFF0D
ROLES = {"choose": "radio button", "tick": "check box", "untick": "check box", "type": "text", "enter": "text",
         "pick": "combo box", "step": "spin button", "press": "push button"}


def check(ok, what):
    if not ok:
        print("FAIL " + what, flush=True)
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


# ---- the program on the bus ---------------------------------------------------

def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Ohmbench":
            return app
    return None


def activate(app):
    """No window manager runs here to make the window active (and without that no control has the keyboard), at the
    start or after a message box closes: a click on the title caption asks for it, as a person's would."""
    window = wait_for(lambda: app.getChildAtIndex(0))
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + 10, "b1c")
    wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), timeout=5)


class Program:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for(find_app, timeout=20)
        if self.app is not None:
            activate(self.app)

    def close(self):
        self.process.kill()
        self.process.wait()
        wait_for(lambda: find_app() is None, timeout=5)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def captions(acc, roles=None):
    """Names of the captions this control is labelled by (of these roles)."""
    targets = [r.getTarget(i) for r in acc.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
               for i in range(r.getNTargets())]
    return [t.name for t in targets if roles is None or t.getRoleName() in roles]


def spoken(acc):
    """What the tree offers as the control's name. On Linux a list's name is its current entry, so a list is known by
    the caption beside it, else by its description (a frame it sits in labels it too, but says less)."""
    if acc.getRoleName() == "combo box":
        return ([n for n in captions(acc, ("label",)) if n] or [acc.description] + captions(acc))[0]
    return acc.name or (captions(acc) or [""])[0]


def answers_to(acc, name):
    return name in (acc.name, acc.description, spoken(acc)) or name in captions(acc)


KNOWN = {}  # per program: each control by role, with the names it answered to when first met


def known(app, role):
    """The program's controls of this role: all exist from the start, so the tree is searched once per program."""
    if KNOWN.get("app") is not app:
        KNOWN.clear()
        KNOWN["app"] = app
        for acc in pyatspi.findAllDescendants(app, lambda a: a is not None):
            try:
                names = {acc.name, acc.description, spoken(acc)} | set(captions(acc))
                KNOWN.setdefault(acc.getRoleName(), []).append((acc, names))
            except Exception:
                continue
    return KNOWN.get(role, [])


def find(app, role, name, shown=True):
    """The showing control with this role that answers to this name, asked live (those that answered before first)."""
    candidates = known(app, role)
    ordered = [a for a, names in candidates if name in names] + [a for a, names in candidates if name not in names]
    for acc in ordered:
        try:
            if answers_to(acc, name) and (not shown or showing(acc)):
                return acc
        except Exception:
            continue
    return None


def focused(app, candidates=None):
    """The control with the keyboard focus (a page tab counts as focused whenever its page shows, so it is the stop only
    when nothing else is). Asking a few known controls is quicker than searching the tree again."""
    def has_focus(a):
        try:
            return a is not None and a.getState().contains(pyatspi.STATE_FOCUSED)
        except Exception:  # gone with a page change
            return False
    hits = ([a for a in candidates if has_focus(a)] if candidates is not None
            else pyatspi.findAllDescendants(app, lambda a: has_focus(a) and showing(a)))
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


def checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


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


def stops_showing(app):
    """Every showing control that can take the keyboard."""
    return pyatspi.findAllDescendants(app, lambda a: a is not None and a.getState().contains(
        pyatspi.STATE_FOCUSABLE) and showing(a))


def tab_to(app, acc):
    """Tabs until the control (or a part of it) has the keyboard focus."""
    ident = (acc.getRoleName(), spoken(acc), acc.getIndexInParent())
    candidates = stops_showing(app)
    for _ in range(60):
        at = focused(app, candidates) or focused(app)
        while at is not None and (at.getRoleName(), spoken(at), at.getIndexInParent()) != ident:
            at = at.parent
        if at is not None:
            return True
        key(XK_TAB)
    return False


def pick(app, acc, entry):
    """Chooses a list entry from the keyboard as a screen reader user does: Tab to it, then Down (or Up) until it reads
    the entry."""
    if acc.name == entry:
        return True
    for attempt in range(2):
        if not tab_to(app, acc):
            return False
        before = acc.name
        key(XK_DOWN)
        if wait_for(lambda: acc.name != before, timeout=2):
            break
        activate(app)  # the keys went nowhere: the window had lost the keyboard
    for arrow in (XK_DOWN, XK_UP):
        for _ in range(40):
            if acc.name == entry:
                return True
            before = acc.name
            key(arrow)
            if not wait_for(lambda: acc.name != before, timeout=2):  # the end of the list
                break
    return acc.name == entry


def take(app, steps, where):
    """Takes a row's steps (and checks) on the page showing."""
    for step in steps:
        verb, what = step[0], "%s, %s" % (where, step)
        if verb == "message":
            box = wait_for(lambda: message_box(app))
            if check(box is not None, what + ": a message box opens"):
                text, ok = box
                check(step[1] in text, what + ": its text is read (%r)" % text)
                do_action(ok, "Press")
                check(wait_for(lambda: message_box(app) is None), what + ": OK closes it")
                activate(app)
            continue
        role, name = (step[1], step[2]) if verb in ("read", "describe") else (ROLES[verb], step[1])
        acc = wait_for(lambda: find(app, role, name), timeout=5)
        if not check(acc is not None, "%s: the %s %r is found by its spoken name" % (where, role, name)):
            return
        if verb == "choose":
            do_action(acc, "Toggle")
            check(wait_for(lambda: checked(acc), timeout=5), what + ": its action chooses it")
        elif verb in ("tick", "untick") and checked(acc) != (verb == "tick"):
            do_action(acc, "Toggle")
        elif verb in ("type", "enter"):
            acc.queryEditableText().setTextContents(step[2])
            if verb == "enter":
                tab_to(app, acc)
                key(XK_RETURN)
        elif verb == "pick":
            check(pick(app, acc, step[2]), what + ": the entry is chosen (reads %r)" % acc.name)
        elif verb == "step":
            acc.queryValue().currentValue = float(step[2])
        elif verb == "press":
            do_action(acc, "Press")
        elif verb == "read":
            check(wait_for(lambda: text_of(acc) == step[3], timeout=5),
                  what + ": reads %r (got %r)" % (step[3], text_of(acc)))
        elif verb == "describe":
            check(wait_for(lambda: acc.description == step[3], timeout=5),
                  what + ": is described as %r (got %r)" % (step[3], acc.description))


# ---- the screen reader ----------------------------------------------------------

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\s?\{", re.S)
# What Orca appends for the kind of control rather than for what it is.
ROLE_WORDS = re.compile(r"\b(not )?(selected |checked |pressed )?(radio button|check box|push button|combo box|"
                        r"spin button|page tab list|page tab|text|panel|label|toggle button)\b", re.I)
# States Orca reads out, and the selected text it reads before "selected".
STATE_WORDS = re.compile(r"(\S+ )?\bselected\b|\b(read only|editable|not checked|checked|unavailable|expanded|"
                         r"collapsed|required)\b", re.I)
# Starts Orca as its own command does, but with its debug log line-buffered
# (each stop's speech is read as soon as it is said), and blind to other
# copies of itself: this one has its own display and buses.
LAUNCHER = """
import builtins, runpy, sys
_open = builtins.open
def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if buffering == -1 and "w" in mode and "b" not in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_buffered
sys.argv = sys.argv[1:]
command = runpy.run_path(sys.argv[0], run_name="orca_command")
command["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(command["main"]())
"""


class Orca:
    """The screen reader, with its settings and log in a scratch folder so no one's own settings are read or changed."""

    def __init__(self, scratch):
        self.scratch = pathlib.Path(scratch)
        self.log = self.scratch / "orca.log"
        self.process = None

    def start(self):
        for d in ("config", "data", "cache", "prefs"):
            (self.scratch / d).mkdir(exist_ok=True)
        env = dict(os.environ, HOME=str(self.scratch), XDG_CONFIG_HOME=str(self.scratch / "config"),
                   XDG_DATA_HOME=str(self.scratch / "data"), XDG_CACHE_HOME=str(self.scratch / "cache"),
                   GSETTINGS_BACKEND="memory")
        # No synthesiser, braille or key echo: Orca logs what it would say.
        args = [sys.executable, "-c", LAUNCHER, shutil.which("orca"), "-u",
                str(self.scratch / "prefs"), "-d", "speech", "-d", "braille", "-d", "sound", "-d", "key-echo",
                "--debug-file", str(self.log)]
        self.process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        # Ready once it listens (that it hears is proved by what it says).
        wait_for(lambda: "registering listener for: window:destroy" in self.read(0)[0], timeout=20)
        return self.process.poll() is None

    def stop(self):
        """Its log is written a line at a time, so nothing is lost by ending it at once."""
        if self.process is not None:
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait()
            self.process = None

    def read(self, offset):
        """The log's complete lines from `offset` on, and where they end."""
        try:
            with open(self.log, "rb") as f:
                f.seek(offset)
                chunk = f.read()
        except FileNotFoundError:
            return "", offset
        end = chunk.rfind(b"\n") + 1
        return chunk[:end].decode("utf-8", "replace"), offset + end

    def size(self):
        """Where the log ends now (it is written a line at a time)."""
        try:
            return os.path.getsize(self.log)
        except OSError:
            return 0

    def said(self, offset, settle=0.2, timeout=4.0, until=None):
        """Everything Orca says from `offset` on, once it has said something (matching `until`, when given) and then
        been quiet for `settle` seconds, or by `timeout`."""
        utterances, start = [], time.time()
        last = start
        while True:
            text, offset = self.read(offset)
            new = SPEECH.findall(text)
            if new:
                utterances += new
                last = time.time()
            now = time.time()
            done = utterances and (until is None or until.search(" ".join(utterances)))
            if (done and now - last >= settle) or now - start >= timeout:
                return utterances
            time.sleep(0.05)


def open_program(path, orca):
    """The program, once Orca has been heard to speak of it (a screen reader not yet hooked in says nothing)."""
    offset = orca.size()
    program = Program(path)
    if program.app is not None:
        if orca.said(offset, settle=0.3, timeout=10):
            return program
        key(XK_TAB)
        if orca.said(offset, settle=0.3, timeout=5):
            return program
    program.close()
    return None


def ancestors(acc):
    names = []
    try:
        parent = acc.parent
        while parent is not None and parent.getRoleName() != "application":
            names.append(parent.name.strip().lower())
            parent = parent.parent
    except Exception:
        pass
    return [n for n in names if n]


def own_words(utterances, acc):
    """What Orca said of the stop itself, not of frames it passes into."""
    context = {name + suffix for name in ancestors(acc) for suffix in ("", " panel", " page tab")}
    kept = [u.strip() for u in utterances if u.strip().rstrip(".").strip().lower() not in context]
    return " ".join(" ".join(kept).split())


def name_part(words, value):
    """The words left once the role, the states and the value are taken out."""
    rest = words.replace(value.strip(), " ") if value and value.strip() else words
    rest = STATE_WORDS.sub(" ", ROLE_WORDS.sub(" ", rest))
    return " ".join(re.findall(r"[^\s.,:;]+", rest))


def own_name(acc):
    """The name the control carries: a list's is its description, as its accessible name is the entry it shows."""
    role = acc.getRoleName()
    if role == "combo box":
        return acc.description
    if role in ("text", "spin button", "push button", "radio button", "check box", "toggle button"):
        return acc.name
    return ""


def shown_value(acc):
    """What the control holds (a list with no entry answers with its name)."""
    try:
        if acc.getRoleName() == "combo box":
            return acc.name if acc.name != acc.description else ""
        return value_of(acc) if acc.getRoleName() in ("text", "spin button") else ""
    except Exception:
        return ""


def stop_id(acc):
    return acc.getRoleName(), acc.name, acc.description, acc.getIndexInParent(), acc.parent.name if acc.parent else ""


def tab_round(orca, app, walked):
    """Tabs round the page once; returns (control, what Orca said) per stop, or None when the page offers the very stops
    of a mode already walked."""
    orca.said(orca.size(), settle=0.3, timeout=0.6)  # what the steps before made it say
    candidates = stops_showing(app)
    offered = tuple(sorted((a.getRoleName(), spoken(a)) for a in candidates))
    if offered in walked:
        return None
    walked.add(offered)
    stops, first = [], None
    for _ in range(60):
        offset = orca.size()
        key(XK_TAB)
        utterances = orca.said(offset, settle=0.15, until=ROLE_WORDS)  # a stop's speech ends with its role
        acc = focused(app, candidates) or wait_for(lambda: focused(app), timeout=2)
        if acc is None:
            check(False, "a control has the focus after Tab")
            break
        ident = stop_id(acc)
        if ident == first:
            break
        if stops and ident == stop_id(stops[-1][0]):
            check(False, "Tab moves on from the %s %r" % (acc.getRoleName(), acc.name))
            break
        first = first or ident
        stops.append((acc, own_words(utterances, acc)))
    return stops


def judge(stops, where):
    """Every stop, as the tree holds it and as Orca says it."""
    if not check(len(stops) > 1, "%s: Tab walks %d stops, each spoken" % (where, len(stops))):
        return
    names = [spoken(acc) for acc, _ in stops]
    said = {}
    for (acc, words), tree_name in zip(stops, names):
        role, name = acc.getRoleName(), own_name(acc)
        what = "%s: the %s %r" % (where, role, tree_name)
        check(role not in ("", "unknown", "filler", "panel"), what + " has a role")
        check(tree_name.strip() != "" and names.count(tree_name) == 1, what + " has a name no other stop shares")
        if role in ("text", "combo box", "spin button"):
            try:
                offered = value_of(acc)
            except Exception:  # no interface at all is the fault reported
                offered = None
            check(offered is not None, what + " offers its value (%r)" % offered)
        if role == "radio button":
            check(checked(acc), what + ": Tab lands on the chosen option of its group")
        rest = name_part(words, shown_value(acc))
        # A word of three letters or more, not part of a symbol such as "Vs1" or "R2".
        has_word = re.search(r"(?<![\w#])[^\W\d_]{3,}(?![\w])", rest) is not None
        check(has_word, "%s is spoken by more than a symbol, role or value: %r" % (what, words))
        if name.strip():
            check(" ".join(name.lower().split()) in words.lower(), "%s is spoken by its name: %r" % (what, words))
        said.setdefault(rest.lower(), []).append(what)
    for rest, whats in said.items():
        check(len(whats) == 1, "%s: %r is said of one stop only (%s)" % (where, rest, ", ".join(whats)))


def arrows(app, group, where):
    """Tab lands on the chosen option of the group; an arrow key moves to another of its options and chooses it, the
    other arrow comes back."""
    options = [find(app, "radio button", name) for name in group]
    start = next((o for o in options if o is not None and checked(o)), None)
    if not check(None not in options and start is not None, "%s: the options %s show, one chosen" % (where, group)):
        return
    candidates = stops_showing(app)
    # Tab enters a group at one option and leaves from it: Tab reaches the chosen one only by landing on it.
    check(tab_to(app, start), "%s: Tab lands on the chosen option %r" % (where, start.name))
    for there, back in ((XK_DOWN, XK_UP), (XK_UP, XK_DOWN)):
        key(there)
        moved = wait_for(lambda: focused(app, candidates).name != start.name and focused(app, candidates), timeout=1)
        if moved:
            check(moved.name in group and checked(moved) and not checked(start),
                  "%s: an arrow key moves from %r to %r and chooses it" % (where, start.name, moved.name))
            key(back)
            check(wait_for(lambda: checked(start) and focused(app, candidates).name == start.name, timeout=2),
                  "%s: the other arrow key comes back to %r and chooses it" % (where, start.name))
            return
    check(False, "%s: an arrow key moves from %r" % (where, start.name))


def walk_page(path, orca, page, program):
    tab = page["tab"]
    program = program or open_program(path, orca)
    if not check(program is not None, "%s: Orca speaks of the program's window (its log: %s)" % (tab, orca.log)):
        return
    walked = set()
    try:
        for mode in page["modes"]:
            where = "%s, %s" % (tab, mode["name"])
            started = time.time()
            open_page(program, tab)
            take(program.app, mode["steps"], where)
            left = message_box(program.app)
            if not check(left is None, "%s: no message box opens (%r)" % (where, left and left[0])):
                do_action(left[1], "Press")
                activate(program.app)
            for shows, listed in ((True, "showing"), (False, "hidden")):
                for role, name in mode.get(listed, []):
                    check(find(program.app, role, name, shown=False) is not None and
                          wait_for(lambda: (find(program.app, role, name) is not None) == shows),
                          "%s: the %s %r %s" % (where, role, name, "shows" if shows else "is hidden"))
            ready = time.time()
            stops = tab_round(orca, program.app, walked)
            if stops is None:
                print("%s: the stops of a mode walked before" % where, flush=True)
                continue
            print("%s (%.1f s to set up, %.1f s to walk):\n    %s" % (
                where, ready - started, time.time() - ready, "\n    ".join(w for _, w in stops)), flush=True)
            judge(stops, where)
        for group in page.get("groups", []):
            arrows(program.app, group, tab)
    finally:
        program.close()
    program = Program(path)
    try:
        open_page(program, tab)
        for example in page["examples"]:
            where = "%s example %r" % (tab, example[0][:40])
            take(program.app, example[1:], where)
            left = message_box(program.app)
            if not check(left is None, "%s: no message box is left open (%r)" % (where, left and left[0])):
                do_action(left[1], "Press")
                activate(program.app)
    finally:
        program.close()


def main(path):
    if shutil.which("orca") is None:
        check(False, "Orca is installed (make installs it)")
        return 1
    only = [p for p in os.environ.get("WALK_PAGES", "").split(",") if p]
    pages = [p for p in json.loads(TABLE.read_text(encoding="utf-8"))["pages"] if not only or p["page"] in only]
    check(len(pages) == (len(only) or 6), "a walk for each of the six pages (%s)" % [p["tab"] for p in pages])
    scratch = tempfile.mkdtemp(prefix="ohmbench-orca-")
    orca = Orca(scratch)
    try:
        program = None
        for attempt in range(3):  # a slow machine may leave Orca deaf the first time
            if orca.start():
                program = open_program(path, orca)
                if program is not None:
                    break
            orca.stop()
        for page in pages:
            walk_page(path, orca, page, program)
            program = None
    finally:
        orca.stop()
    if not FAILURES:
        shutil.rmtree(scratch, ignore_errors=True)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    # Stopped from outside (a time limit): Orca and the program are still ended.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    started = time.time()
    code = main(sys.argv[1])
    print("%d passed, %d failed in %.0f s" % (len(PASSES), len(FAILURES), time.time() - started))
    sys.exit(code)
