#!/usr/bin/python3
"""Real copies of the game on a real X server, sharing one store: games played to their end by
clicks, names typed, and each way the program can end. The cases are one table (CASES, at the
end): the store a case starts from, what stands around it, a script of steps and what must hold
afterwards. Every case runs twice, the second time in a new X server.
Usage: StoreProcessTest.py path/to/mirel
MIREL_STORE_CASES="name ..." runs only the cases whose names begin so; MIREL_PREVIOUS=path runs
the case beside a build of the previous release."""
import collections
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

GAME = os.path.realpath(sys.argv[1])
HERE = os.path.dirname(os.path.realpath(__file__))
MAIN_SIZE, HIGH_SCORE_SIZE = (676, 375), (609, 337)
NEW, HIGH_SCORES, SET = (646, 102), (638, 142), (635, 206)  # main window, in pixels
OK, RESET = (545, 146), (560, 174)  # high-score window
GARBAGE = b"\x7fELF\0\0garbage\n"
UNSHARE = ["unshare", "--pid", "--fork", "--mount-proc"]
# The leak checker of a sanitizer build cannot run under a tracer: it is left out there.
LEAKLESS = {"ASAN_OPTIONS": (os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0").lstrip(":")}
STRACE = ["strace", "-f", "-qq", "-o", "/dev/null"]
running, mounts = [], []  # what the case being run started and mounted, undone at its end


class Skip(Exception):
    pass


def fail(message, *copies):
    print("FAIL:", message)
    for copy in copies:
        print("--- copy", copy.called, "said:\n" + copy.log())
    sys.exit(1)


def check(condition, message, *copies):
    if not condition:
        fail(message, *copies)


def wait_for(what, seconds=60.0):
    """Until `what` holds; the bound only stops a hang, however busy the machine."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.01)
    return None


def read_store(folder, text=None):
    """The keys of the section Settings of the store in `folder` (or of its `text`), or None
    when there is none."""
    path = os.path.join(folder, "Mirel.conf")
    if text is None and not os.path.exists(path):
        return None
    keys, section = {}, ""
    for line in open(path, encoding="utf-8") if text is None else text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif "=" in line and section == "Settings":
            key, value = line.split("=", 1)
            keys[key.strip()] = value.strip()
    expected = ["RowShifts", "ColumnShifts", "Mines", "Sound", "Set"]
    expected += [f"HighScore{p}{r}" for r in range(1, 11) for p in ("Name", "")]
    missing = [key for key in expected if key not in keys]
    check(not missing, f"the store lacks {missing}")
    return keys


def table(keys):
    """The rows that hold something, as (score, name), best first."""
    rows = [(int(keys[f"HighScore{r}"]), keys[f"HighScoreName{r}"]) for r in range(1, 11)]
    return [row for row in rows if row != (0, "")]


def write_store(folder, rows):
    os.makedirs(folder, exist_ok=True)
    lines = ["[Settings]", "Set=1"]
    for rank, (score, name) in enumerate(rows, 1):
        lines += [f"HighScoreName{rank}={name}", f"HighScore{rank}={score}"]
    open(os.path.join(folder, "Mirel.conf"), "w").write("\n".join(lines) + "\n")


def largest_group(cells):
    """A cell of the largest group of two or more pieces of one colour, or None."""
    best, size_of_best, seen = None, 1, set()
    for start, colour in cells.items():
        if start in seen or colour == b"\0\0\0":
            continue
        group, todo = {start}, [start]
        while todo:
            r, c = todo.pop()
            for near in ((r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)):
                if near not in group and cells.get(near) == colour:
                    group.add(near)
                    todo.append(near)
        seen |= group
        if len(group) > size_of_best:
            best, size_of_best = start, len(group)
    return best


def children(pid):
    try:
        return [int(child) for child in open(f"/proc/{pid}/task/{pid}/children").read().split()]
    except OSError:
        return []


class Copy:
    """One running copy of the game, with its config folder; with no window when offscreen."""

    def __init__(self, name, config, prefix=(), namespaced=False, game=GAME, y=0,
                 offscreen=False, **extra_env):
        self.called, self.config, self.dialog = name, config, None
        self.last_click = (None, 0.0)
        self.log_path = os.path.join(work, f"{name}-{time.monotonic_ns()}.log".replace(" ", "-"))
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=config,
                   XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="offscreen" if offscreen else "xcb",
                   **extra_env)

        def default_signals():  # a shell starts background jobs ignoring SIGINT
            for ending in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
                signal.signal(ending, signal.SIG_DFL)

        self.namespaced, self.prefix = namespaced, prefix
        self.process = subprocess.Popen([*prefix, game], env=env, stdout=open(self.log_path, "w"),
                                        stderr=subprocess.STDOUT, preexec_fn=default_signals)
        running.append(self.process)
        self.window = None
        if offscreen:
            return
        self.window = wait_for(lambda: self.find(MAIN_SIZE)) or fail("no main window", self)
        # Copies one above the other, so that none hides another.
        self.window.configure(y=y)
        screen.sync()
        wait_for(lambda: self.window.get_geometry().y == y, 5)

    def game_pid(self):
        """The game's own process: the child of strace or unshare when run by one."""
        return max(self.pids() - {1}) if self.prefix else self.process.pid

    def pids(self):
        """The numbers the game's window may carry: its own, or (run by strace or unshare)
        its parent's child's, or the first in a PID namespace of its own."""
        return {self.process.pid, *children(self.process.pid)} | ({1} if self.namespaced else set())

    def log(self):
        return open(self.log_path, errors="replace").read()

    def find(self, size):
        if self.process.poll() is not None:
            fail(f"the game ended early with status {self.process.returncode}", self)
        pid_atom = screen.intern_atom("_NET_WM_PID")
        for window in root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                pid = window.get_full_property(pid_atom, X.AnyPropertyType)
                geometry = window.get_geometry()
            except Exception:
                continue
            if pid and pid.value[0] in self.pids() and \
                    (geometry.width, geometry.height) == size:
                return window
        return None

    def click(self, window, at):
        # A second press on the same spot soon after is a double-click, which the game takes
        # as one click.
        if self.last_click[0] == (window.id, at):
            time.sleep(max(0.0, self.last_click[1] + 0.6 - time.monotonic()))
        self.last_click = ((window.id, at), time.monotonic())
        origin = window.translate_coords(root, 0, 0)
        xtest.fake_input(screen, X.MotionNotify, x=at[0] - origin.x, y=at[1] - origin.y)
        xtest.fake_input(screen, X.ButtonPress, 1)
        xtest.fake_input(screen, X.ButtonRelease, 1)
        screen.sync()

    # The verbs of a script for a copy: `A changes-set`, `A plays`, `A types HAL`...
    def changes_set(self):
        """Clicks the set switch and waits until it shows its new state, so that what comes
        next (often the end of the program) follows the click."""
        def looks():
            return self.window.get_image(SET[0] - 8, SET[1] - 8, 16, 16, X.ZPixmap,
                                         0xFFFFFFFF).data
        before = looks()
        self.click(self.window, SET)
        check(wait_for(lambda: looks() != before, 20), "the set switch did not change", self)

    def cells(self):
        """The colour at the centre of each of the 150 cells, (row, col) -> bytes: one line of
        pixels through each row's centres."""
        cells = {}
        for r in range(1, 11):
            line = self.window.get_image(19, 22 + 36 * (r - 1), 36 * 14 + 1, 1, X.ZPixmap,
                                         0xFFFFFFFF).data
            for c in range(1, 16):
                cells[r, c] = line[36 * (c - 1) * 4:][:3]
        return cells

    def plays(self):
        """Plays a game until the high-score window opens, and keeps that window."""
        started, clicks = time.monotonic(), 0
        self.click(self.window, NEW)
        check(wait_for(lambda: b"\0\0\0" not in self.cells().values()), "New dealt no full board",
              self)
        cells = self.cells()
        while not self.find(HIGH_SCORE_SIZE):
            at = largest_group(cells)
            if at is None:
                break
            clicks += 1
            self.click(self.window, (19 + 36 * (at[1] - 1), 22 + 36 * (at[0] - 1)))
            cells = self.settled(cells)
        self.dialog = wait_for(lambda: self.find(HIGH_SCORE_SIZE)) or \
            fail("the game ended without a high-score window", self)
        print(f"  {clicks} clicks in {time.monotonic() - started:.1f} s")

    def settled(self, before):
        """The cells once a click on `before` has been handled: changed, and the same twice."""
        end, last = time.monotonic() + 60, before
        while time.monotonic() < end:
            time.sleep(0.02)
            now = self.cells()
            if now == last and now != before:
                return now
            last = now
        return last

    def types(self, text):
        origin = self.dialog.translate_coords(root, 0, 0)
        xtest.fake_input(screen, X.MotionNotify, x=10 - origin.x, y=10 - origin.y)
        for char in text:
            keysym = XK.XK_Return if char == "\n" else XK.string_to_keysym(char.lower())
            code = screen.keysym_to_keycode(keysym)
            xtest.fake_input(screen, X.KeyPress, code)
            xtest.fake_input(screen, X.KeyRelease, code)
        screen.sync()
        time.sleep(0.3)  # the keys are handled

    def enters(self, text):
        self.types(text + "\n")

    def ok(self):
        """Ok on the high-score window; prints how long the window took to close."""
        check(self.find(HIGH_SCORE_SIZE), "no high-score window to click Ok on", self)
        started = time.monotonic()
        self.click(self.dialog, OK)
        check(wait_for(lambda: not self.find(HIGH_SCORE_SIZE)),
              "Ok did not close the high-score window", self)
        print(f"  Ok answered in {time.monotonic() - started:.2f} s")
        time.sleep(0.2)

    def name(self, text):
        self.plays()
        self.enters(text)
        self.ok()

    def reset(self):
        self.click(self.window, HIGH_SCORES)
        self.dialog = wait_for(lambda: self.find(HIGH_SCORE_SIZE)) or fail("no high scores", self)
        self.click(self.dialog, RESET)
        check(wait_for(lambda: not self.find(HIGH_SCORE_SIZE)),
              "Reset did not close the high-score window", self)
        time.sleep(0.2)

    def aside(self):
        """Its windows moved out of the next copy's way."""
        for window in (self.window, self.dialog):
            window.configure(x=1100)
        screen.sync()

    def signal(self, how):
        """A signal to the game, or its window closed as a window manager does."""
        if how != "close":
            os.kill(self.game_pid(), signal.Signals[how])
            return
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        self.window.send_event(protocol.event.ClientMessage(
            window=self.window, client_type=screen.intern_atom("WM_PROTOCOLS"),
            data=(32, [delete, X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
        screen.flush()

    def ends(self, how):
        """By a signal (its status 0 but for SIGKILL) or `close`; prints how long it took."""
        started = time.monotonic()
        self.signal(how)
        if how != "SIGKILL":
            self.ended(how)
            print(f"  ended {time.monotonic() - started:.2f} s after {how}")
        self.process.wait()

    def ended(self, how):
        try:
            status = self.process.wait(30)
        except subprocess.TimeoutExpired:
            fail(f"the game still ran 30 s after {how}", self)
        check(status == 0, f"the game ended with status {status} after {how}", self)

    def said(self, *words):
        text = " ".join(words)
        check(wait_for(lambda: text in self.log()), f"never said '{text}'", self)
        print("  said: " + next(line for line in self.log().splitlines() if text in line))


def keeps_aside(folder):
    return [name for name in os.listdir(folder) if ".kept-" in name]


def background(code):
    """A Python process running `code`, once it has printed its first line."""
    process = subprocess.Popen(["/usr/bin/python3", "-c", "import fcntl, os, socket, sys, time\n" +
                                code + "\nprint(flush=True)\ntime.sleep(1e6)"],
                               stdout=subprocess.PIPE)
    running.append(process)
    check(process.stdout.readline(), "a helper process did not start")
    return process


def fill_up(folder, free_blocks):
    """Fills the file system of `folder` but for `free_blocks` blocks of 4 KiB; returns the file
    that fills it."""
    spare, filler = os.path.join(folder, "spare"), os.path.join(folder, "filler")
    open(spare, "wb").write(b"\1" * 4096 * free_blocks)
    with open(filler, "wb", buffering=0) as file:
        try:
            while file.write(b"\0" * 4096):
                pass
        except OSError:
            pass
    os.remove(spare)
    return filler


def make_lock(kind, path):
    """What may stand in the previous release's lock's place."""
    if kind == "folder":
        os.mkdir(path)
    elif kind == "dangling":
        os.symlink("/nonexistent/lock", path)
    else:
        text = {"empty": b"", "garbage": GARBAGE, "foreign": b"999999\nmirel\n\n"}[kind]
        open(path, "wb").write(text)
    if kind == "foreign":  # another user's, unreadable
        os.chown(path, 4321, 4321)
        os.chmod(path, 0o600)


NEEDS = {  # what a case needs of the machine, and why it is skipped without
    "strace": lambda: subprocess.run([*STRACE, "true"]).returncode and "strace cannot trace here",
    "unshare": lambda: subprocess.run([*UNSHARE, "true"], stderr=subprocess.DEVNULL).returncode
    and "unshare cannot make PID namespaces here",
    "previous": lambda: not os.environ.get("MIREL_PREVIOUS")
    and "MIREL_PREVIOUS names no build of it",
}


class Run:
    """One case on folders of its own: the store, what stands around it, its copies and holders.
    Each step is `verb args` or `who verb args`; the verbs are the methods below."""

    def __init__(self, case, label, quiet=False):
        self.case, self.label, self.quiet = case, label, quiet
        self.config = os.path.join(work, label)  # the copies' config folder
        os.makedirs(self.config)
        self.folder = os.path.join(self.config, "Mirel")  # the store's folder
        self.copies, self.holders, self.theirs = {}, {}, {}
        self.known = {name: score for score, name in case.store or ()}
        if "tmpfs" in case.around:
            if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=128k", "tmpfs", self.config]
                              ).returncode:
                raise Skip("no private tmpfs can be mounted here (needs root)")
            mounts.append(self.config)
        if "link" in case.around:  # the copies reach the store through a link to it
            self.folder = os.path.join(work, label + "-real", "Mirel")
            os.makedirs(self.folder)
            os.makedirs(os.path.join(self.config, "Mirel"))
            os.symlink(os.path.join(self.folder, "Mirel.conf"),
                       os.path.join(self.config, "Mirel", "Mirel.conf"))
        self.store = os.path.join(self.folder, "Mirel.conf")
        if case.store is not None:
            write_store(self.folder, case.store)
        for item in case.around:
            what, *args = item.split()
            if what == "lock":
                make_lock(args[0], self.store + ".lock")
                self.theirs[self.store + ".lock"] = None  # there, whatever it is
            elif what == "others":  # files that are not the store's, another user's kept file
                for suffix in (".backup", ".bak001", ".2024v1", ".Ab12Cd",
                               ".kept-0123456789abcdeX"):
                    open(self.store + suffix, "w").write(suffix)
                    self.theirs[self.store + suffix] = suffix
                path = self.store + ".kept-fedcba9876543210"
                open(path, "w").write("another user's\n")
                os.chown(path, 4321, 4321)
                self.theirs[path] = "another user's\n"
            elif what == "leftover":  # a killed save's
                open(self.store + ".new-0123456789abcdef", "w").write("half")
            elif what == "ended-copy-kept":  # a score named and the set changed from 1 to 2
                score, name = int(args[0]), args[1]
                identity = f"{int(time.time() * 1000)}-{os.urandom(8).hex()}"
                self.kept_path = self.store + ".kept-0123456789abcdef"
                open(self.kept_path, "w").write(f"[Name]\n{identity}={name}\n[Score]\n"
                                                f"{identity}={score}\n[Set]\nSet=1 2\n")
                self.known[name] = score

    def step(self, text):
        words = text.split()
        if hasattr(self, words[0].replace("-", "_")):
            return getattr(self, words[0].replace("-", "_"))(*words[1:])
        who, verb, *args = words
        verb = verb.replace("-", "_")
        if hasattr(Copy, verb):
            return getattr(self.copies[who], verb)(*args)
        return getattr(self, verb)(who, *args)

    # Copies of the game.
    def starts(self, who, *how):
        """how: real (the store's own folder, not a link), top, offscreen, traced (strace
        watches its calls), slow-fsync (its first fsync held up 40 s), namespace (a PID
        namespace of its own), previous (the previous release)."""
        prefix, env = (), {}
        if "slow-fsync" in how:
            prefix, env = [*STRACE, "-einject=fsync:delay_enter=40000000:when=1"], LEAKLESS
        if "namespace" in how:
            prefix = UNSHARE
        if "traced" in how:
            env = LEAKLESS
        shown = [c for c in self.copies.values() if c.window and c.process.poll() is None]
        config = os.path.dirname(self.folder) if "real" in how else self.config
        self.copies[who] = copy = Copy(
            f"{who} of {self.label}", config, prefix=prefix, namespaced="namespace" in how,
            offscreen="offscreen" in how,
            game=os.environ["MIREL_PREVIOUS"] if "previous" in how else GAME,
            y=0 if "top" in how else 390 * len(shown), **env)
        if "traced" in how:
            self.trace = os.path.join(work, self.label + "-strace.log")
            self.tracer = subprocess.Popen(
                ["strace", "-f", "-qq", "-o", self.trace, "-p", str(copy.process.pid),
                 "-e", "trace=openat,linkat,rename,renameat,renameat2,fsync"],
                stderr=subprocess.DEVNULL)
            running.append(self.tracer)
            time.sleep(1)

    def all_end(self, how):
        """Every copy still running ends at once."""
        ending = [copy for copy in self.copies.values() if copy.process.poll() is None]
        for copy in ending:
            copy.signal(how)
        for copy in ending:
            copy.ended(how)

    def merge(self):
        """The next copy, with no window, merges what ended copies kept (it removes their files
        only after the store is in place), and is killed."""
        copy = Copy(f"next of {self.label}", os.path.dirname(self.folder), offscreen=True)
        check(wait_for(lambda: not keeps_aside(self.folder)), "nothing merged what was kept", copy)
        copy.process.kill()
        copy.process.wait()

    def merge_killed_at_each_call(self):
        """What an ended copy kept, merged at start-up by a copy killed at each system call of
        the merge on the store's files (strace's syscall injection), each time on a store of
        its own that the next copy then merges and the case's checks then hold for; at last
        merged here by a copy left to run."""
        points = 0
        for call in ("openat", "flock", "getdents64", "read", "write", "fsync", "rename", "unlink",
                     "unlinkat", "close"):
            for n in range(1, 50):
                run = Run(self.case, f"{self.label}-{call}-{n}", quiet=True)
                paths = [] if call in ("flock", "fsync", "rename", "unlink", "unlinkat") else \
                    [run.folder, run.store, run.store + ".lock", run.kept_path]
                copy = Copy(f"killed at {call} {n}", run.config, offscreen=True, prefix=[
                    *STRACE, *(f"-P{path}" for path in paths),
                    f"-einject={call}:signal=SIGKILL:when={n}"], **LEAKLESS)
                wait_for(lambda: copy.process.poll() is not None or not keeps_aside(run.folder))
                survived = copy.process.poll() is None
                if survived:  # the game, then its tracer
                    for pid in children(copy.process.pid):
                        os.kill(pid, signal.SIGKILL)
                    copy.process.wait()
                else:
                    check(copy.process.returncode == -signal.SIGKILL, f"at {call} number {n} "
                          f"the copy ended with status {copy.process.returncode}")
                run.merge()
                for then in self.case.then:
                    run.step(then)
                if survived:
                    break
                points += 1
        self.merge()
        print(f"  {points} kills inside a merge, each followed by the checks below")

    # Processes holding a lock.
    def holds(self, who, *how):
        """The store's kernel lock, held as a copy of the game holds it while it saves; or with
        `lockfile`, the previous release's lock held its way (QLockFile's: the file made anew,
        its holder written in it, a kernel lock on it). Stopped when `stopped`."""
        self.holders[who] = background(f"fcntl.flock(os.open({self.folder!r}, os.O_RDONLY), "
                                       "fcntl.LOCK_EX)" if "lockfile" not in how else f"""
name = os.path.basename(os.readlink("/proc/self/exe"))
fd = os.open({self.store + '.lock'!r}, os.O_RDWR | os.O_CREAT | os.O_EXCL)
fcntl.flock(fd, fcntl.LOCK_EX)
os.write(fd, f"{{os.getpid()}}\\n{{name}}\\n{{socket.gethostname()}}\\n".encode())""")
        if "stopped" in how:
            self.holders[who].send_signal(signal.SIGSTOP)

    def lets_go(self, who):
        self.holders[who].send_signal(signal.SIGCONT)
        self.holders[who].kill()
        self.holders[who].wait()

    # The world around the store.
    def disk(self, what, free_blocks="0"):
        if what == "fills":
            self.filler = fill_up(self.config, int(free_blocks))
        else:
            os.remove(self.filler)

    def garbage(self):
        open(self.store, "wb").write(GARBAGE)

    def display_goes(self):
        xvfb.kill()
        xvfb.wait()
        for who, copy in self.copies.items():
            print(f"  {who} ended with status {copy.process.wait(30)}")

    def pause(self, seconds):
        """Time for what may happen; no check rests on how far it got."""
        time.sleep(float(seconds))

    def snapshot(self):
        self.before = open(self.store, "rb").read()

    def show(self):
        print("  the store holds:\n    " + "\n    ".join(
            line for line in open(self.store).read().splitlines() if line.startswith("HighScore")))

    # Checks.
    def rows(self, text=None):
        """The table, which always holds: best first, every score above 0, every row the case
        started with (or an ended copy kept) with its own score."""
        rows = table(read_store(self.folder, text) or fail("there is no store"))
        check([score for score, _ in rows] == sorted((score for score, _ in rows), reverse=True),
              f"the table is not best first: {rows}")
        check(all(score > 0 for score, _ in rows), f"a row without points: {rows}")
        check(all(self.known.get(name, score) == score for score, name in rows),
              f"a row changed its score: {rows}, were {self.known}")
        return rows

    def check(self, condition, message):
        check(condition, message, *self.copies.values())

    def table(self, *names, in_order=True):
        """The names in the table, in order."""
        rows, arranged = self.rows(), (list if in_order else sorted)
        self.check(arranged(name for _, name in rows) == arranged(names),
                   f"the store holds {rows}, not {names}")
        self.quiet or print(f"  the store holds {rows}")

    def names(self, *names):
        """The names in the table, each as often as given, in any order."""
        self.table(*names, in_order=False)

    def set(self, value):
        keys = read_store(self.folder)
        self.check(keys and keys["Set"] == value, f"the store holds Set={keys and keys['Set']}")

    def unchanged(self):
        self.check(open(self.store, "rb").read() == self.before, "the store changed")

    def same_table(self):
        self.check(self.rows() == self.rows(self.before.decode()),
                   f"the table changed: {self.rows()}")

    def reaches(self, name):
        started = time.monotonic()
        self.check(wait_for(lambda: f"={name}\n" in open(self.store).read(), 180),
                   f"{name} never reached the store")
        print(f"  {name} reached the store {time.monotonic() - started:.1f} s later")

    def beside(self, part, count=None):
        """Files beside the store named *part* (`*`: any): some, or exactly `count`."""
        def found():
            named = [name for name in os.listdir(self.folder)
                     if name != "Mirel.conf" and (part == "*" or part in name)]
            return named if count is None else len(named) == int(count)
        self.check(wait_for(found), f"beside the store {os.listdir(self.folder)}, not "
                                    f"{count or 'some'} *{part}*")

    def untouched(self):
        """Files that are not the store's own as they were; the previous release's lock kept."""
        for path, text in self.theirs.items():
            self.check(os.path.lexists(path) if text is None else open(path).read() == text,
                       f"{path} was touched")

    def synced(self):
        """Its strace: the store renamed into place, then its folder fsynced."""
        self.tracer.wait(30)
        lines = [line for line in open(self.trace).read().splitlines()
                 if "Mirel" in line or "fsync" in line]
        # Put in place by a rename over the old file, or by a link where there was none.
        renamed = next((i for i, line in enumerate(lines)
                        if ("rename" in line or "linkat" in line) and 'Mirel.conf"' in line), None)
        check(renamed is not None, "strace saw no rename of the store:\n" + "\n".join(lines))
        # The folder, opened before (and held locked) or after the rename.
        folder = next((line for line in reversed(lines[:renamed]) if "O_DIRECTORY" in line and
                       line.split('"')[1].endswith("/Mirel")), None)
        fd = folder and folder.rsplit("=", 1)[1].strip()
        check(folder and any(f"fsync({fd})" in line for line in lines[renamed:]),
              "the folder was not fsynced after the rename:\n" + "\n".join(lines[renamed:]))
        print("  the folder fsynced after the rename: " + lines[renamed].split(None, 1)[1][:60] +
              "... then " + folder.split(None, 1)[1][:60])


Case = collections.namedtuple("Case", "name store around needs steps then")


def case(name, store=None, around="", needs="", steps="", then=""):
    def split(text):
        return [part.strip() for part in text.split(";") if part.strip()]
    return Case(name, store, split(around), needs.split(), split(steps), split(then))


ONE, OLD = [(1, "ONE")], [(5, "OLD")]
NINE, TEN = [(100 - r, f"OLD{r}") for r in range(9)], [(10 - r, f"OLD{r}") for r in range(10)]
# Every case, in the order run. A store is its rows, or none. Around: `link` (the copies reach
# the store through a link), `tmpfs` (a private file system of 128 KiB), `lock KIND`,
# `others` (files that are not the store's), `leftover` (a killed save's), `ended-copy-kept
# SCORE NAME`. The steps and checks are the methods of Run.
CASES = [
    *(case(f"each_signal_saves_{ending.lower()}", then="set 2; table HAL",
           steps=f"A starts; A changes-set; A plays; {typing}; A ends {ending}")
      for ending, typing in (("SIGINT", "A types HAL"), ("SIGHUP", "A types HAL; A signal SIGHUP"),
                             ("SIGTERM", "A types HAL"), ("SIGKILL", "A enters HAL"))),
    case("each_signal_saves_one_free_block", store=OLD, around="tmpfs",
         steps="A starts; A changes-set; A plays; snapshot; disk fills 1; A enters FULL; A ok; "
               "pause 0.5; unchanged; A said were not saved to; beside * 0; disk room; "
               "A ends SIGTERM",
         then="set 2; table FULL OLD"),
    case("two_copies_on_one_store", store=TEN,
         steps="A starts; B starts; A name FIRST; B name SECOND; names FIRST SECOND " +
               " ".join(name for _, name in TEN[:8]) + "; A reset; table; B name AFTER; "
               "table AFTER; snapshot; B ends SIGTERM; A ends close", then="same-table"),
    case("a_lock_held_elsewhere_never_let_go", store=ONE, around="link",
         steps="L holds lockfile; snapshot; A starts; A plays; A enters HELD; A ok; unchanged; "
               "beside .kept-; L lets-go; reaches HELD; A ends SIGTERM",
         then="table HELD ONE; beside .kept- 0"),
    case("a_lock_held_elsewhere_stopped", store=ONE, around="link",
         steps="L holds lockfile stopped; snapshot; A starts; A plays; A enters HELD; A ok; "
               "unchanged; beside .kept-; A ends SIGTERM; unchanged; L lets-go; B starts real; "
               "B ends SIGTERM", then="table HELD ONE; beside .kept- 0"),
    *(case(f"files_beside_the_store_{kind}_lock", store=ONE,
           around=f"lock {kind}; others; leftover", steps="A starts; A changes-set; A ends SIGTERM",
           then="set 2; beside .new- 0; untouched")
      for kind in ("empty", "garbage", "folder", "foreign", "dangling")),
    case("a_spoiled_store_keeps_the_table", store=NINE,
         steps="A starts; garbage; A name NEW; names NEW " + " ".join(n for _, n in NINE) +
               "; beside .unreadable-; A ends SIGTERM",
         then="names NEW " + " ".join(name for _, name in NINE)),
    case("the_folder_is_synced", store=ONE,
         steps="A starts traced; A changes-set; A ends SIGTERM; synced", then="set 2; table ONE"),
    case("a_kill_at_each_step_of_a_merge", store=OLD, around="ended-copy-kept 300 KEPT",
         needs="strace", steps="merge-killed-at-each-call",
         then="table KEPT OLD; set 2; beside .new- 0; beside .kept- 0"),
    case("copies_in_their_own_pid_namespaces", store=ONE, needs="unshare",
         steps="H holds; A starts namespace; A name NSP; beside .kept-; "
               "B starts namespace offscreen; pause 2; H lets-go; B ends SIGTERM; A ends SIGTERM",
         then="table NSP ONE; beside .kept- 0"),
    case("a_full_disk_while_another_holds_the_store", store=OLD, around="tmpfs",
         steps="H holds; A starts; A plays; disk fills; A enters ROOM; A ok; "
               "A said could not be kept aside; disk room; A ends SIGTERM; beside .kept-; "
               "H lets-go; merge",
         then="table ROOM OLD; beside .kept- 0"),
    case("a_copy_stopped_inside_its_save", store=ONE, needs="strace",
         steps="A starts slow-fsync; A plays; A enters SLOW; beside .new-; B starts; B name FAST; "
               "beside .kept-; reaches FAST; A ok; B ends SIGTERM; A ends SIGTERM",
         then="names FAST ONE SLOW"),
    case("copies_ending_at_once", store=ONE,
         steps="; ".join(f"{who} starts top; {who} plays; {who} types C{n}; {who} aside"
                         for n, who in enumerate("ABCDEF")) +
               "; H holds stopped; all-end SIGTERM; beside .kept- 6; H lets-go; merge",
         then="names C0 C1 C2 C3 C4 C5 ONE; beside .kept- 0"),
    case("beside_the_previous_release", store=ONE, needs="previous",
         steps="A starts; A name NEWA; B starts previous; B name OLDA; show; A name NEWB; "
               "B name OLDB; A ends SIGTERM; B ends SIGTERM",
         then="names NEWA NEWB OLDA OLDB ONE"),
    case("the_display_goes_away",  # the last: it ends the X server
         steps="A starts; A changes-set; A plays; A types BYE; display-goes",
         then="set 2; table BYE"),
]


def run_case(case, round_):
    print(f"--- {case.name.replace('_', ' ')} (round {round_})")
    try:
        unmet = next((why for why in (NEEDS[need]() for need in case.needs) if why), None)
        if unmet:
            raise Skip(unmet)
        run = Run(case, f"{case.name}-{round_}")
        for step in case.steps + case.then:
            run.step(step)
    except Skip as skip:
        print(f"SKIP {case.name.replace('_', ' ')}: {skip}")
    finally:
        for process in running:
            if process.poll() is None:
                for pid in children(process.pid):  # a game run by strace or unshare
                    os.kill(pid, signal.SIGKILL)
                process.send_signal(signal.SIGCONT)
                process.kill()
            process.wait()
        del running[:]
        for folder in mounts:
            subprocess.run(["umount", "-l", folder])
        del mounts[:]


# Mounts made here (a full file system) stay private to this run.
if len(sys.argv) == 2 and os.geteuid() == 0 and subprocess.run(
        ["unshare", "-m", "true"], stderr=subprocess.DEVNULL).returncode == 0:
    os.execvp("unshare", ["unshare", "-m", "--propagation", "private", "/usr/bin/python3",
                          __file__, GAME, "in-namespace"])

chosen = os.environ.get("MIREL_STORE_CASES", "").split()
started = time.monotonic()
for round_ in (1, 2):
    work = tempfile.mkdtemp()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x800x24",
                             "-nolisten", "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
        screen = display.Display()
        root = screen.screen().root
        os.environ.setdefault("LSAN_OPTIONS", "suppressions=" +
                              os.path.join(HERE, "..", ".ci", "lsan.supp"))
        for case in CASES:
            if not chosen or any(case.name.startswith(name) for name in chosen):
                run_case(case, round_)
    finally:
        xvfb.kill()
        shutil.rmtree(work, ignore_errors=True)
print(f"PASS in {time.monotonic() - started:.1f} s")
