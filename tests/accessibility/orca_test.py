#!/usr/bin/python3
"""Walks every page with Tab while the Orca screen reader runs beside the
program, and reads what Orca says at each stop from its debug log.

A stop fails when Orca says only a symbol ("C", "#1", "Vs1"), a role or a
value; when what it says leaves out the name the control carries ("Tap 1
voltage"), so a terse caption ("Vsupply", "VALUE:") stands in for it; or when
two stops of one page are spoken the same way (two boxes both called "Max").

Each page is walked once for every option in its file under pages/ (as
opened, where it has none), then for every entry of that file's `modes`
(steps, as in its examples, that bring the page into another state), each on
the page as the walk before left it: names that change with a mode must reach
Orca too. Orca starts once for all pages; the program once for each page.
Usage: orca_test.py <ohmbench program>"""
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.dont_write_bytecode = True  # nothing left behind in the source tree
import atspi_test as bus  # noqa: E402  (the walk's helpers: program, pages, keys)
import pyatspi  # noqa: E402


def check(ok, what):
    """Counts a check; only failures are printed (each walk prints what
    Orca said at every stop)."""
    if not ok:
        print("FAIL " + what, flush=True)
    (bus.PASSES if ok else bus.FAILURES).append(what)
    return ok


SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\s?\{", re.S)
# What Orca appends for the kind of control rather than for what it is.
ROLE_WORDS = re.compile(r"\b(not )?(selected |checked |pressed )?(radio button|check box|push button|combo box|"
                        r"spin button|page tab list|page tab|text|panel|label|toggle button)\b", re.I)
# States Orca reads out, and the selected text it reads before "selected".
STATE_WORDS = re.compile(r"(\S+ )?\bselected\b|\b(read only|editable|not checked|checked|unavailable|expanded|"
                         r"collapsed|required)\b", re.I)
# Starts Orca as its own command does, with two changes. Its debug log is
# written through a block buffer; line buffering lets each stop's speech be
# read as soon as it is said. And Orca looks for other copies of itself by
# name across the whole user, refusing to start beside one (or, told to
# replace it, killing it): this one has a display and buses of its own, so a
# person's own screen reader, or another walk, is neither in its way nor
# ended by it.
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
    """The screen reader, with its settings and log in a scratch folder so no
    one's own settings are read or changed."""

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
        # Speech, braille and sounds off: no synthesiser or braille display
        # runs here, and Orca logs what it would say all the same. Key echo
        # off: only what each stop is called is logged.
        args = [sys.executable, "-c", LAUNCHER, shutil.which("orca"), "-u",
                str(self.scratch / "prefs"), "-d", "speech", "-d", "braille", "-d", "sound", "-d", "key-echo",
                "--debug-file", str(self.log)]
        self.process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        # Ready once it listens for focus changes (whether it hears them is
        # proved by what it says of the program's window).
        bus.wait_for(lambda: "registering listener for: window:destroy" in self.read(0)[0], timeout=20)
        return self.process.poll() is None

    def stop(self):
        if self.process is None:
            return
        try:
            os.killpg(self.process.pid, signal.SIGTERM)
            self.process.wait(timeout=5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
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
        return self.read(0)[1]

    def said(self, offset, settle=0.2, timeout=4.0):
        """Everything Orca says from `offset` on, once it has said something
        and then been quiet for `settle` seconds (or nothing by `timeout`)."""
        utterances, start = [], time.time()
        last = start
        while True:
            text, offset = self.read(offset)
            new = [u for u in SPEECH.findall(text)]
            if new:
                utterances += new
                last = time.time()
            now = time.time()
            if (utterances and now - last >= settle) or now - start >= timeout:
                return utterances
            time.sleep(0.05)


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
    """What Orca said about the stop itself: without the frames it passes
    into on the way ("Value panel."), which it says only on entering them."""
    context = set()
    for name in ancestors(acc):
        context |= {name, name + " panel", name + " page tab"}
    kept = [u.strip() for u in utterances if u.strip().rstrip(".").strip().lower() not in context]
    return " ".join(" ".join(kept).split())


def name_part(words, value):
    """The words left once the role, the states and the value are taken out."""
    rest = words
    if value and value.strip():
        rest = rest.replace(value.strip(), " ")
    rest = STATE_WORDS.sub(" ", ROLE_WORDS.sub(" ", rest))
    return " ".join(re.findall(r"[^\s.,:;]+", rest))


def own_name(acc):
    """The name the control carries: a list's is its description, as its
    accessible name is the entry it shows."""
    role = acc.getRoleName()
    if role == "combo box":
        return acc.description
    if role in ("text", "spin button", "push button", "radio button", "check box", "toggle button"):
        return acc.name
    return ""


def value(acc):
    """What the control holds: a box's text, a spin button's position, a
    list's entry (a list with no entry picked answers with its name)."""
    try:
        if acc.getRoleName() == "combo box":
            return acc.name if acc.name != acc.description else ""
        return bus.value_of(acc) if acc.getRoleName() in ("text", "spin button") else ""
    except Exception:
        return ""


def stop_id(acc):
    return (acc.getRoleName(), acc.name, acc.description, acc.getIndexInParent(),
            acc.parent.name if acc.parent else "")


def keyboard_stops(app):
    """Every showing control that can take the keyboard (the window's tree is
    searched once; asking a few controls for their state after each Tab is
    quicker than searching it again)."""
    return pyatspi.findAllDescendants(app, lambda a: a is not None and a.getState().contains(
        pyatspi.STATE_FOCUSABLE) and bus.showing(a))


def focused_among(candidates):
    """The control with the keyboard focus (a page tab counts as focused
    whenever its page shows, so it is the stop only when nothing else is)."""
    hits = []
    for acc in candidates:
        try:
            if acc.getState().contains(pyatspi.STATE_FOCUSED):
                hits.append(acc)
        except Exception:  # gone with a page change
            continue
    controls = [a for a in hits if a.getRoleName() not in ("page tab", "page tab list", "frame", "filler")]
    return (controls or hits or [None])[-1]


def walk(orca, program, where):
    """Tabs round the page once; returns (control, what Orca said) per stop."""
    orca.said(orca.size(), settle=0.3, timeout=0.6)  # what the steps before made it say
    candidates = keyboard_stops(program.app)
    stops, first = [], None
    for _ in range(60):
        offset = orca.size()
        bus.key(bus.XK_TAB)
        utterances = orca.said(offset)
        acc = focused_among(candidates) or bus.wait_for(lambda: bus.focused(program.app), timeout=2)
        if acc is None:
            check(False, "%s: a control has the focus after Tab" % where)
            break
        ident = stop_id(acc)
        if ident == first:
            break
        if stops and ident == stop_id(stops[-1][0]):
            check(False, "%s: Tab moves on from the %s %r" % (where, acc.getRoleName(), acc.name))
            break
        first = first or ident
        stops.append((acc, own_words(utterances, acc)))
    return stops


def judge(stops, where):
    spoken = {}
    for acc, words in stops:
        role, name = acc.getRoleName(), own_name(acc)
        what = "%s: the %s %r" % (where, role, name or acc.name)
        rest = name_part(words, value(acc))
        # A word of three letters or more, not part of a symbol such as "Vs1" or "R2".
        has_word = re.search(r"(?<![\w#])[^\W\d_]{3,}(?![\w])", rest) is not None
        check(has_word, "%s is spoken by more than a symbol, role or value: %r" % (what, words))
        if name.strip():
            check(" ".join(name.lower().split()) in words.lower(),
                  "%s is spoken by its name: %r" % (what, words))
        spoken.setdefault(rest.lower(), []).append(what)
    for said, whats in spoken.items():
        check(len(whats) == 1, "%s: %r is said of one stop only (%s)" % (where, said, ", ".join(whats)))


def modes(page):
    """The states a page is walked in: each option chosen (the page opens
    with one of them), or the page as opened where it has none; then each of
    the page's further modes."""
    found = [(option + " chosen", [("choose", option)]) for option in page.options] or [("as opened", [])]
    found += [(", ".join(" ".join(map(str, s[1:])) for s in steps), steps) for steps in getattr(page, "modes", [])]
    return found


def open_program(path, orca):
    """The program, once Orca has been heard to speak of it (a screen reader
    that has not yet hooked in says nothing)."""
    offset = orca.size()
    program = bus.Program(path)
    if program.app is not None:
        if orca.said(offset, settle=0.3, timeout=10):
            return program
        bus.key(bus.XK_TAB)
        if orca.said(offset, settle=0.3, timeout=5):
            return program
    program.close()
    return None


def main(path):
    if shutil.which("orca") is None:
        check(False, "Orca is installed (make installs it)")
        return 1
    only = [p for p in os.environ.get("ORCA_PAGES", "").split(",") if p]
    pages = bus.load_pages(only)
    check(len(pages) == (len(only) or 6), "a walk for each of the six pages (%s)" % [p.tab for p in pages])
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
        if not check(program is not None and program.app is not None,
                     "Orca starts and speaks of the program's window (its log: %s)" % orca.log):
            return 1
        for page in pages:
            program = program or bus.Program(path)
            if not check(program.app is not None, "the program is on the accessibility bus"):
                return 1
            try:
                for label, steps in modes(page):
                    where = "%s, %s" % (page.tab, label)
                    started = time.time()
                    bus.run_example(program, page, steps)
                    ready = time.time()
                    stops = walk(orca, program, where)
                    print("%s (%.1f s to set up, %.1f s to walk):\n    %s" % (
                        where, ready - started, time.time() - ready, "\n    ".join(w for _, w in stops)), flush=True)
                    if check(len(stops) > 1, "%s: Tab walks %d stops, each spoken" % (where, len(stops))):
                        judge(stops, where)
            finally:
                program.close()
                program = None
    finally:
        orca.stop()
    if not bus.FAILURES:
        shutil.rmtree(scratch, ignore_errors=True)
    else:
        print("Orca's log: %s" % orca.log)
    return 1 if bus.FAILURES else 0


if __name__ == "__main__":
    # Stopped from outside (a time limit): Orca and the program are still ended.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    started = time.time()
    code = main(sys.argv[1])
    print("%d passed, %d failed in %.0f s" % (len(bus.PASSES), len(bus.FAILURES), time.time() - started))
    sys.exit(code)
