#!/usr/bin/python3
"""Real copies of the game on a real X server, sharing one store: a game played to its end by
clicks, the name typed, and each way the program can end. Checks what the store file holds
afterwards. Usage: StoreProcessTest.py path/to/mirel"""
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
copies = []  # the copies started, in order


def fail(message, *copies):
    print("FAIL:", message)
    for copy in copies:
        print("--- copy", copy.name, "said:\n" + copy.log())
    sys.exit(1)


def wait_for(what, seconds=60.0):
    """Until `what` holds; the bound only stops a hang, however busy the machine."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.01)
    return None


def read_store(folder):
    """The keys of the section Settings, or None when there is no store."""
    path = os.path.join(folder, "Mirel", "Mirel.conf")
    if not os.path.exists(path):
        return None
    keys, section = {}, ""
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif "=" in line and section == "Settings":
            key, value = line.split("=", 1)
            keys[key.strip()] = value.strip()
    expected = ["RowShifts", "ColumnShifts", "Mines", "Sound", "Set"]
    expected += [f"HighScore{p}{r}" for r in range(1, 11) for p in ("Name", "")]
    missing = [key for key in expected if key not in keys]
    if missing:
        fail(f"the store lacks {missing}")
    return keys


def table(keys):
    """The rows that hold something, as (score, name), best first."""
    rows = [(int(keys[f"HighScore{r}"]), keys[f"HighScoreName{r}"]) for r in range(1, 11)]
    return [row for row in rows if row != (0, "")]


def write_store(folder, rows, set_="1"):
    os.makedirs(os.path.join(folder, "Mirel"), exist_ok=True)
    lines = ["[Settings]", f"Set={set_}"]
    for rank, (score, name) in enumerate(rows, 1):
        lines += [f"HighScoreName{rank}={name}", f"HighScore{rank}={score}"]
    with open(os.path.join(folder, "Mirel", "Mirel.conf"), "w") as file:
        file.write("\n".join(lines) + "\n")


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


class Copy:
    """One running copy of the game, with its config folder."""

    def __init__(self, name, config, prefix=(), namespaced=False, game=GAME, y=None,
                 **extra_env):
        self.name, self.config = name, config
        self.last_click = (None, 0.0)
        self.log_path = os.path.join(work, f"{name}-{time.monotonic_ns()}.log")
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=config,
                   XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", **extra_env)

        def default_signals():  # a shell starts background jobs ignoring SIGINT
            for ending in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
                signal.signal(ending, signal.SIG_DFL)

        self.namespaced, self.prefix = namespaced, prefix
        self.process = subprocess.Popen([*prefix, game], env=env, stdout=open(self.log_path, "w"),
                                        stderr=subprocess.STDOUT, preexec_fn=default_signals)
        self.window = wait_for(lambda: self.find(MAIN_SIZE))
        if not self.window:
            fail("no main window within 20 s", self)
        # Two copies side by side, one above the other, so that neither hides the other.
        y = y if y is not None else 390 * len([copy for copy in copies
                       if isinstance(copy, Copy) and copy.process.poll() is None])
        copies.append(self)
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
        return open(self.log_path).read()

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

    def switch(self, at):
        """Clicks a switch of the main window and waits until it shows its new state, so that
        what comes next (often the end of the program) follows the click."""
        def looks():
            return self.window.get_image(at[0] - 8, at[1] - 8, 16, 16, X.ZPixmap, 0xFFFFFFFF).data
        before = looks()
        self.click(self.window, at)
        if not wait_for(lambda: looks() != before, 20):
            fail(f"the switch at {at} did not change", self)

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

    def play_to_the_end(self):
        """Plays a game until the high-score window opens, and returns that window."""
        black = b"\0\0\0"
        started, clicks = time.monotonic(), 0
        self.click(self.window, NEW)
        if not wait_for(lambda: black not in self.cells().values()):
            fail("New dealt no full board", self)
        cells = self.cells()
        while not self.find(HIGH_SCORE_SIZE):
            at = largest_group(cells)
            if at is None:
                break
            clicks += 1
            self.click(self.window, (19 + 36 * (at[1] - 1), 22 + 36 * (at[0] - 1)))
            cells = self.settled(cells)
        dialog = wait_for(lambda: self.find(HIGH_SCORE_SIZE))
        print(f"  {clicks} clicks in {time.monotonic() - started:.1f} s")
        return dialog or fail("the game ended without a high-score window", self)

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

    def type(self, window, text):
        origin = window.translate_coords(root, 0, 0)
        xtest.fake_input(screen, X.MotionNotify, x=10 - origin.x, y=10 - origin.y)
        for char in text:
            keysym = XK.XK_Return if char == "\n" else XK.string_to_keysym(char.lower())
            code = screen.keysym_to_keycode(keysym)
            xtest.fake_input(screen, X.KeyPress, code)
            xtest.fake_input(screen, X.KeyRelease, code)
        screen.sync()
        time.sleep(0.3)  # the keys are handled

    def name_score(self, name):
        """Plays a game to its end, types the name and closes the window with Ok."""
        dialog = self.play_to_the_end()
        self.type(dialog, name + "\n")
        self.click(dialog, OK)
        if not wait_for(lambda: not self.find(HIGH_SCORE_SIZE)):
            fail("Ok did not close the high-score window", self)
        time.sleep(0.2)

    def reset_table(self):
        self.click(self.window, HIGH_SCORES)
        dialog = wait_for(lambda: self.find(HIGH_SCORE_SIZE)) or fail("no high scores", self)
        self.click(dialog, RESET)
        if not wait_for(lambda: not self.find(HIGH_SCORE_SIZE)):
            fail("Reset did not close the high-score window", self)
        time.sleep(0.2)

    def end(self, how):
        """Ends the program by a signal or by closing its window as a window manager does."""
        how_named = getattr(how, "name", how)
        if how == "close":
            delete = screen.intern_atom("WM_DELETE_WINDOW")
            self.window.send_event(protocol.event.ClientMessage(
                window=self.window, client_type=screen.intern_atom("WM_PROTOCOLS"),
                data=(32, [delete, X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
            screen.flush()
        else:
            os.kill(self.game_pid(), how)
        try:
            status = self.process.wait(30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail(f"the game still ran 30 s after {how_named}", self)
        if status != 0:
            fail(f"the game ended with status {status} after {how_named}", self)


def children(pid):
    try:
        return [int(child) for child in open(f"/proc/{pid}/task/{pid}/children").read().split()]
    except OSError:
        return []


def keeps_aside(config):
    return [name for name in os.listdir(os.path.join(config, "Mirel")) if ".kept-" in name]


def background(code):
    """A Python process running `code`, once it has printed its first line; stopped at exit."""
    process = subprocess.Popen(["/usr/bin/python3", "-c", "import fcntl, os, socket, sys, time\n" +
                                code + "\nprint(flush=True)\ntime.sleep(1e6)"],
                               stdout=subprocess.PIPE)
    if not process.stdout.readline():
        fail("a helper process did not start")
    copies.append(process)
    return process


def hold_lock(lock, stop):
    """A process that holds `lock` as a copy of the previous release would (QLockFile's way: the
    file made anew, its holder written in it, a kernel lock on it), until killed; stopped too."""
    holder = background(f"""
name = os.path.basename(os.readlink("/proc/self/exe"))
fd = os.open({lock!r}, os.O_RDWR | os.O_CREAT | os.O_EXCL)
fcntl.flock(fd, fcntl.LOCK_EX)
os.write(fd, f"{{os.getpid()}}\\n{{name}}\\n{{socket.gethostname()}}\\n".encode())""")
    if stop:
        holder.send_signal(signal.SIGSTOP)
    return holder


def hold_store(config):
    """A process that holds the store's kernel lock, as a copy of the game does while it saves."""
    return background(f"fcntl.flock(os.open({os.path.join(config, 'Mirel')!r}, os.O_RDONLY), "
                      "fcntl.LOCK_EX)")


def let_go(process):
    process.send_signal(signal.SIGCONT)
    process.kill()
    process.wait()


def kept_by_a_copy_that_ended(config, score, name, copy="0123456789abcdef"):
    """Changes another copy kept aside and never saved: a score named, and the set changed
    from 1 to 2."""
    identity = f"{int(time.time() * 1000)}-{os.urandom(8).hex()}"
    path = os.path.join(config, "Mirel", "Mirel.conf.kept-" + copy)
    open(path, "w").write(f"[Name]\n{identity}={name}\n[Score]\n{identity}={score}\n[Set]\nSet=1 2\n")
    return path


def offscreen(config, *before, **extra_env):
    """A copy with no window, for what it does at start-up: merging what ended copies kept."""
    env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=config,
               QT_QPA_PLATFORM="offscreen", **extra_env)
    process = subprocess.Popen([*before, GAME], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    copies.append(process)
    return process


def merged_by_the_next_copy(config):
    """A copy started on the store merges what ended copies kept (it removes their files only
    after the store is in place), and is killed."""
    copy = offscreen(config)
    check(wait_for(lambda: not keeps_aside(config)), "nothing merged what an ended copy kept")
    copy.kill()
    copy.wait()
    return table(read_store(config))


def a_lock_held_elsewhere():
    """The store's lock held by a process that never lets go (and by one that is stopped), and
    the copy reaching the store through a link to it: the copy's window answers throughout, its
    score is kept aside, and reaches the store once the holder goes - through the copy itself
    while it runs, or through the next copy to start once it has ended."""
    for stop in (False, True):
        what = "a stopped holder" if stop else "a holder that never lets go"
        real = fresh_config("real-" + str(stop))
        write_store(real, [(1, "ONE")])
        config = fresh_config("linked-" + str(stop))
        os.makedirs(os.path.join(config, "Mirel"))
        os.symlink(os.path.join(real, "Mirel", "Mirel.conf"),
                   os.path.join(config, "Mirel", "Mirel.conf"))
        before = open(os.path.join(real, "Mirel", "Mirel.conf")).read()
        holder = hold_lock(os.path.join(real, "Mirel", "Mirel.conf.lock"), stop)
        copy = Copy(what, config)
        dialog = copy.play_to_the_end()
        copy.type(dialog, "HELD\n")
        started = time.monotonic()
        copy.click(dialog, OK)
        closed = wait_for(lambda: not copy.find(HIGH_SCORE_SIZE), 10)
        answered = time.monotonic() - started
        check(closed, f"{what}: the high-score window did not close", copy)
        # The window takes a click at once, the save or not; the figure is the measurement.
        check(answered < 3, f"{what}: the window took {answered:.1f} s to answer Ok", copy)
        check(open(os.path.join(real, "Mirel", "Mirel.conf")).read() == before,
              f"{what}: the store changed while another held its lock", copy)
        check(keeps_aside(real), f"{what}: nothing kept aside", copy)
        if not stop:
            holder.kill()
            holder.wait()
            check(wait_for(lambda: "=HELD\n" in open(os.path.join(real, "Mirel", "Mirel.conf")).read(),
                           10),
                  f"{what}: the score did not reach the store once the holder went", copy)
            copy.end(signal.SIGTERM)
        else:
            ending = time.monotonic()
            copy.end(signal.SIGTERM)
            print(f"  ended {time.monotonic() - ending:.2f} s after SIGTERM, the lock held")
            check(open(os.path.join(real, "Mirel", "Mirel.conf")).read() == before,
                  f"{what}: the lock was ignored", copy)
            holder.send_signal(signal.SIGCONT)
            holder.kill()
            holder.wait()
            Copy("next " + what, real).end(signal.SIGTERM)
        rows = table(read_store(real))
        check([name for _, name in rows] == ["HELD", "ONE"] and not keeps_aside(real),
              f"{what}: the store holds {rows}, beside it {keeps_aside(real)}", copy)
        print(f"{what}: Ok answered in {answered:.2f} s while the lock was held; "
              f"then the store holds {rows}")


def a_kill_at_each_step_of_a_merge():
    """What an ended copy kept, merged at start-up by a copy killed at each system call of the
    merge on the store's files (strace's syscall injection), then by a copy left to run: the
    kept score is in the store once, the old row once, the set changed once."""
    if subprocess.run(["strace", "-o", "/dev/null", "true"]).returncode:
        print("SKIP a kill at each step of a merge: strace cannot trace here")
        return
    points = 0
    for call in ("openat", "flock", "getdents64", "read", "write", "fsync", "rename", "unlink",
                 "unlinkat", "close"):
        for n in range(1, 50):
            config = fresh_config(f"kill-{call}-{n}")
            write_store(config, [(5, "OLD")])
            store = os.path.join(config, "Mirel", "Mirel.conf")
            kept = kept_by_a_copy_that_ended(config, 300, "KEPT")
            filtered = call not in ("flock", "fsync", "rename", "unlink", "unlinkat")
            paths = [os.path.dirname(store), store, store + ".lock", kept] if filtered else []
            # The leak checker of a sanitizer build cannot run under a tracer.
            copy = offscreen(config, "strace", "-f", "-qq", "-o", "/dev/null",
                             *(f"-P{path}" for path in paths),
                             f"-einject={call}:signal=SIGKILL:when={n}",
                             ASAN_OPTIONS="detect_leaks=0")
            wait_for(lambda: copy.poll() is not None or not keeps_aside(config))
            survived = copy.poll() is None
            if survived:  # the game, then its tracer
                for pid in children(copy.pid):
                    os.kill(pid, signal.SIGKILL)
                copy.wait()
            else:
                check(copy.returncode == -signal.SIGKILL,
                      f"at {call} number {n} the copy ended with status {copy.returncode}")
            rows = merged_by_the_next_copy(config)
            check(rows == [(300, "KEPT"), (5, "OLD")] and read_store(config)["Set"] == "2",
                  f"killed at {call} number {n}: the store holds {rows}")
            check(not [name for name in os.listdir(os.path.dirname(store)) if ".new-" in name],
                  f"killed at {call} number {n}: a temporary file was left")
            if survived:
                break
            points += 1
    print(f"{points} kills inside a merge: each time the kept score once, the old row once")


def copies_in_their_own_pid_namespaces():
    """Two copies in PID namespaces of their own (both the same process number there), while
    another process holds the store: one keeps a named score aside; the other, started and
    ended meanwhile, leaves it be; once the holder goes the score is saved once."""
    config = fresh_config("namespaces")
    write_store(config, [(1, "ONE")])
    holder = hold_store(config)
    unshare = ["unshare", "--pid", "--fork", "--mount-proc"]
    if subprocess.run([*unshare, "true"], stderr=subprocess.DEVNULL).returncode:
        print("SKIP copies in PID namespaces of their own: unshare cannot make them here")
        let_go(holder)
        return
    first = Copy("first namespace", config, prefix=unshare, namespaced=True)
    first.name_score("NSP")
    check(keeps_aside(config), "nothing kept aside while the store was held", first)
    other = offscreen(config, *unshare)
    time.sleep(2)  # its start-up, merging what it may; no check rests on how far it got
    let_go(holder)
    for pid in children(other.pid):
        os.kill(pid, signal.SIGTERM)  # the game: unshare passes no signal on
    other.wait(30)
    first.end(signal.SIGTERM)
    rows = table(read_store(config))
    check([name for _, name in rows] == ["NSP", "ONE"] and not keeps_aside(config),
          f"two PID namespaces: the store holds {rows}", first)
    print(f"two copies in PID namespaces of their own: {rows}")


def a_full_disk_while_another_holds_the_store():
    """The store held elsewhere and its disk full: the named score cannot be kept aside either,
    which is said; room made, the copy ends and keeps it; the next copy saves it, once."""
    config = fresh_config("full-held")
    if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=128k", "tmpfs", config]).returncode:
        print("SKIP a full disk while another holds the store: no tmpfs can be mounted here")
        return
    write_store(config, [(5, "OLD")])
    holder = hold_store(config)
    copy = Copy("full and held", config)
    dialog = copy.play_to_the_end()
    filler = fill_up(config)
    copy.type(dialog, "ROOM\n")
    copy.click(dialog, OK)
    check(wait_for(lambda: "could not be kept aside" in copy.log(), 10),
          "a full disk: nothing said when the score could not be kept aside", copy)
    os.remove(filler)
    copy.end(signal.SIGTERM)
    check(keeps_aside(config), "the score was not kept aside once there was room", copy)
    let_go(holder)
    rows = merged_by_the_next_copy(config)
    subprocess.run(["umount", "-l", config])
    check([name for _, name in rows] == ["ROOM", "OLD"],
          f"a full disk while held: the store holds {rows}", copy)
    print(f"a full disk while another holds the store: said, then {rows}")


def a_copy_stopped_inside_its_save():
    """One copy stopped 40 s inside its save (its fsync held up), holding the store, while
    another names a score: the other keeps its score aside and saves it once the first has
    finished; both scores are in the store."""
    config = fresh_config("stopped")
    write_store(config, [(1, "ONE")])
    stopped = Copy("stopped", config, prefix=["strace", "-f", "-qq", "-o", "/dev/null",
                                              "-einject=fsync:delay_enter=40000000:when=1"],
                   ASAN_OPTIONS="detect_leaks=0")
    slow = stopped.play_to_the_end()
    stopped.type(slow, "SLOW\n")  # the name saved as its entry ends: held up in the fsync
    folder = os.path.join(config, "Mirel")
    check(wait_for(lambda: any(".new-" in name for name in os.listdir(folder)), 30),
          "the stopped copy never began its save", stopped)
    started = time.monotonic()
    other = Copy("other", config)
    other.name_score("FAST")
    check(keeps_aside(config), "the other copy saved past a copy inside its save", stopped, other)
    check(wait_for(lambda: "=FAST\n" in open(os.path.join(config, "Mirel", "Mirel.conf")).read(),
                   120), "the other copy's score never reached the store", stopped, other)
    waited = time.monotonic() - started
    stopped.click(slow, OK)
    other.end(signal.SIGTERM)
    stopped.end(signal.SIGTERM)
    rows = table(read_store(config))
    check(sorted(name for _, name in rows) == ["FAST", "ONE", "SLOW"],
          f"a copy stopped inside its save: the store holds {rows}", stopped, other)
    print(f"a copy held up 40 s inside its save: the other's score saved {waited:.0f} s later; "
          f"{rows}")


def beside_the_previous_release():
    """A copy of the previous release (MIREL_PREVIOUS, a build of it; skipped without) and one
    of this release on one store, each naming two scores in turn: every name once, whichever
    wrote last, and the previous release reads what this one wrote."""
    previous = os.environ.get("MIREL_PREVIOUS")
    if not previous:
        print("SKIP beside the previous release: MIREL_PREVIOUS names no build of it")
        return
    config = fresh_config("previous")
    write_store(config, [(1, "ONE")])
    new = Copy("this release", config)
    new.name_score("NEWA")
    old = Copy("previous release", config, game=previous)
    old.name_score("OLDA")
    text = open(os.path.join(config, "Mirel", "Mirel.conf")).read()
    print("  the previous release wrote, after this one:\n    " + "\n    ".join(
        line for line in text.splitlines() if line.startswith("HighScore")))
    new.name_score("NEWB")
    old.name_score("OLDB")
    new.end(signal.SIGTERM)
    old.end(signal.SIGTERM)
    rows = table(read_store(config))
    check(sorted(name for _, name in rows) == ["NEWA", "NEWB", "OLDA", "OLDB", "ONE"],
          f"beside the previous release: the store holds {rows}", new, old)
    print(f"beside the previous release: {rows}")


def copies_ending_at_once():
    """Six copies, each with a name half typed, end at once (SIGTERM) while a stopped process
    holds the store: each keeps its score aside, and the next copy saves all six, each once."""
    config = fresh_config("six")
    write_store(config, [(1, "ONE")])
    six = []
    for n in range(6):
        copy = Copy(f"copy {n}", config, y=0)
        dialog = copy.play_to_the_end()
        copy.type(dialog, f"C{n}")
        for window in (copy.window, dialog):  # out of the next copy's way
            window.configure(x=1100)
        screen.sync()
        six.append(copy)
    holder = hold_store(config)
    holder.send_signal(signal.SIGSTOP)
    for copy in six:
        os.kill(copy.game_pid(), signal.SIGTERM)
    for copy in six:
        check(copy.process.wait(30) == 0, "a copy did not end by SIGTERM", copy)
    check(len(keeps_aside(config)) == 6, f"kept aside: {keeps_aside(config)}", *six)
    let_go(holder)
    rows = merged_by_the_next_copy(config)
    check(sorted(name for _, name in rows) == ["C0", "C1", "C2", "C3", "C4", "C5", "ONE"],
          f"six copies ending at once: the store holds {rows}", *six)
    print(f"six copies ending at once, the store held: then {rows}")


def files_beside_the_store():
    """Whatever stands in the previous release's lock's place, and files that are not the
    store's: saves go through at once, and only the store's own leftovers are removed."""
    def empty(path):
        open(path, "w").close()

    def garbage(path):
        open(path, "wb").write(b"\x7fELF\0\0garbage\n")

    def foreign(path):
        open(path, "w").write("999999\nmirel\n\n")
        os.chown(path, 4321, 4321)
        os.chmod(path, 0o600)

    def dangling(path):
        os.symlink("/nonexistent/lock", path)

    locks = [("an empty lock", empty), ("a garbage lock", garbage), ("a folder as lock", os.mkdir),
             ("another user's unreadable lock", foreign), ("a dangling link as lock", dangling)]
    for what, make in locks:
        config = fresh_config(what.replace(" ", "-").replace("'", ""))
        write_store(config, [(1, "ONE")])
        store = os.path.join(config, "Mirel", "Mirel.conf")
        make(store + ".lock")
        theirs = {}
        for suffix in (".backup", ".bak001", ".2024v1", ".Ab12Cd", ".kept-0123456789abcdeX"):
            open(store + suffix, "w").write(suffix)
            theirs[suffix] = suffix
        open(store + ".kept-fedcba9876543210", "w").write("another user's\n")
        os.chown(store + ".kept-fedcba9876543210", 4321, 4321)
        theirs[".kept-fedcba9876543210"] = "another user's\n"
        open(store + ".new-0123456789abcdef", "w").write("half")  # a killed save's
        copy = Copy(what, config)
        copy.switch(SET)
        copy.end(signal.SIGTERM)
        keys = read_store(config)
        check(keys["Set"] == "2" and not os.path.lexists(store + ".new-0123456789abcdef"),
              f"{what}: the save did not go through, or left its leftover: Set={keys['Set']}, "
              f"beside the store {os.listdir(os.path.dirname(store))}", copy)
        for suffix, text in theirs.items():
            check(open(store + suffix).read() == text, f"{what}: {suffix} was touched", copy)
        check(os.path.lexists(store + ".lock"), f"{what}: the lock's leftover was removed", copy)
        print(f"{what}: the save went through; the files beside the store untouched")


def a_spoiled_store_keeps_the_table():
    """Garbage written over the store while a copy runs: the copy's table is saved, with its
    new score, and the garbage kept aside."""
    config = fresh_config("spoiled")
    old = [(100 - r, f"OLD{r}") for r in range(9)]
    write_store(config, old)
    copy = Copy("spoiled", config)
    store = os.path.join(config, "Mirel", "Mirel.conf")
    open(store, "wb").write(b"\x7fELF\0\0garbage\n")
    copy.name_score("NEW")
    rows = table(read_store(config))
    aside = [name for name in os.listdir(os.path.join(config, "Mirel")) if ".unreadable-" in name]
    check(len(rows) == 10 and [row for row in rows if row[1] != "NEW"] == old and aside,
          f"a spoiled store: it holds {rows}, beside it {aside}", copy)
    copy.end(signal.SIGTERM)
    print(f"a spoiled store: the table kept, {len(rows)} rows, the garbage kept as {aside[0]}")


def the_folder_is_synced():
    """An strace of a save: the store renamed into place, then its folder fsynced."""
    config = fresh_config("strace")
    write_store(config, [(1, "ONE")])
    # The leak checker of a sanitizer build cannot run under a tracer: it is left out here.
    leaks_off = os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    copy = Copy("strace", config, ASAN_OPTIONS=leaks_off.lstrip(":"))
    trace = os.path.join(work, "strace.log")
    tracer = subprocess.Popen(["strace", "-f", "-qq", "-o", trace, "-e",
                               "trace=openat,linkat,rename,renameat,renameat2,fsync",
                               "-p", str(copy.process.pid)], stderr=subprocess.DEVNULL)
    time.sleep(1)
    copy.switch(SET)
    copy.end(signal.SIGTERM)
    tracer.wait(30)
    lines = [line for line in open(trace).read().splitlines() if "Mirel" in line or "fsync" in line]
    # Put in place by a rename over the old file, or by a link where there was none.
    renamed = next((i for i, line in enumerate(lines)
                    if ("rename" in line or "linkat" in line) and 'Mirel.conf"' in line), None)
    check(renamed is not None, "strace saw no rename of the store:\n" + "\n".join(lines), copy)
    # The folder, opened before (and held locked) or after the rename.
    folder = next((line for line in reversed(lines[:renamed]) if "O_DIRECTORY" in line and
                   line.split('"')[1].endswith("/Mirel")), None)
    fd = folder and folder.rsplit("=", 1)[1].strip()
    synced = folder and any(f"fsync({fd})" in line for line in lines[renamed:])
    check(synced, "the folder was not fsynced after the rename:\n" + "\n".join(lines[renamed:]),
          copy)
    print("the folder fsynced after the rename: " + lines[renamed].split(None, 1)[1][:60] +
          "... then " + folder.split(None, 1)[1][:60])


def the_display_goes_away():
    """The X server ends while a name is half typed and a switch changed: both are saved."""
    config = fresh_config("display")
    copy = Copy("display", config)
    copy.switch(SET)
    dialog = copy.play_to_the_end()
    copy.type(dialog, "BYE")
    xvfb.kill()
    xvfb.wait()
    status = copy.process.wait(30)
    keys = read_store(config)
    check(keys and keys["Set"] == "2" and [name for _, name in table(keys)] == ["BYE"],
          f"the display gone: the store holds {keys and table(keys)}", copy)
    print(f"the display gone: status {status}, the store holds Set=2 and {table(keys)}")


def fresh_config(name):
    folder = os.path.join(work, name)
    os.makedirs(folder)
    return folder


def check(condition, message, *copies):
    if not condition:
        fail(message, *copies)


def fill_up(folder, free_blocks=0):
    """Fills the file system of `folder` but for `free_blocks` blocks of 4 KiB; returns the file
    that fills it."""
    spare = os.path.join(folder, "spare")
    open(spare, "wb").write(b"\1" * 4096 * free_blocks)
    filler = os.path.join(folder, "filler")
    file = os.open(filler, os.O_WRONLY | os.O_CREAT)
    try:
        while os.write(file, b"\0" * 4096):
            pass
    except OSError:
        pass
    os.close(file)
    os.remove(spare)
    return filler


def each_signal_saves():
    """For each signal: the set switch clicked, a game played to its end. SIGINT and SIGHUP
    (twice) come while the name is half typed. SIGTERM comes after a name was typed and Ok
    clicked on a file system with one free block (the store kept whole, said), and room made
    since."""
    mounted = False
    for ending in (signal.SIGINT, signal.SIGHUP, signal.SIGTERM, signal.SIGKILL):
        config = fresh_config(ending.name)
        full = ending == signal.SIGTERM and subprocess.run(
            ["mount", "-t", "tmpfs", "-o", "size=128k", "tmpfs", config]).returncode == 0
        mounted = mounted or full
        if full:
            write_store(config, [(5, "OLD")])
            store = os.path.join(config, "Mirel", "Mirel.conf")
            before = open(store, "rb").read()
        copy = Copy(ending.name, config)
        copy.switch(SET)
        dialog = copy.play_to_the_end()
        if full:
            filler = fill_up(config, free_blocks=1)  # room for a lock, none for the store
            copy.type(dialog, "FULL\n")
            copy.click(dialog, OK)
            wait_for(lambda: not copy.find(HIGH_SCORE_SIZE))
            time.sleep(0.5)
            check(open(store, "rb").read() == before, "a save onto a full disk changed the store",
                  copy)
            check("were not saved to" in copy.log(), "a save onto a full disk said nothing",
                  copy)
            check(os.listdir(os.path.join(config, "Mirel")) == ["Mirel.conf"],
                  "a save onto a full disk left files beside the store", copy)
            print("  a full file system: the store kept whole, and standard error says \"" +
                  next(line for line in copy.log().splitlines() if "not saved" in line) + '"')
            os.remove(filler)
            names = ["FULL", "OLD"]
        else:
            # Killed after Enter: the name was saved when its entry ended.
            copy.type(dialog, "HAL\n" if ending == signal.SIGKILL else "HAL")
            if ending == signal.SIGHUP:
                copy.process.send_signal(ending)
            names = ["HAL"]
        if ending == signal.SIGKILL:
            copy.process.kill()
            copy.process.wait()
        else:
            copy.end(ending)
        keys = read_store(config)
        if full:
            subprocess.run(["umount", "-l", config])
        check(keys and keys["Set"] == "2", f"{ending.name}: the set switch was not saved", copy)
        rows = table(keys)
        check([name for _, name in rows] == names and rows[0][0] > 0,
              f"{ending.name}: the store holds {rows}, not the scores named {names}", copy)
        print(f"{ending.name}: {'killed after Enter' if ending == signal.SIGKILL else 'exit status 0'}, the store holds Set=2 and {rows}")
    if not mounted:
        print("SKIP the full file system: no private tmpfs can be mounted here (needs root)")


def two_copies_on_one_store():
    """Two copies on a full table: both rank a score, one clicks Reset, the other ranks
    again, then they close, the one started first last."""
    config = fresh_config("two")
    old = [(10 - r, f"OLD{r}") for r in range(10)]
    write_store(config, old)
    first, second = Copy("first", config), Copy("second", config)

    def stored(what, expected):
        rows = table(read_store(config))
        check(expected(rows), f"{what}: the store holds {rows}", first, second)
        print(f"{what}: {rows}")
        return rows

    first.name_score("FIRST")
    second.name_score("SECOND")
    stored("both copies ranked", lambda rows: [score for score, _ in rows] == sorted(
        (score for score, _ in rows), reverse=True) and len(rows) == 10 and
        sorted(name for _, name in rows if not name.startswith("OLD")) == ["FIRST", "SECOND"]
        and [row for row in rows if row[1].startswith("OLD")] == old[:8])
    first.reset_table()
    stored("Reset in one after a ranking in the other", lambda rows: rows == [])
    second.name_score("AFTER")
    rows = stored("a ranking in one after a Reset in the other",
                  lambda rows: [name for _, name in rows] == ["AFTER"])
    second.end(signal.SIGTERM)
    first.end("close")
    stored("both closed, the first started last", lambda now: now == rows)


# Mounts made here (a full file system) stay private to this run.
if len(sys.argv) == 2 and os.geteuid() == 0 and subprocess.run(
        ["unshare", "-m", "true"], stderr=subprocess.DEVNULL).returncode == 0:
    os.execvp("unshare", ["unshare", "-m", "--propagation", "private", "/usr/bin/python3",
                          __file__, GAME, "in-namespace"])

# Every case, in the order run; each runs twice, the second time in a new X server.
CASES = [each_signal_saves, two_copies_on_one_store, a_lock_held_elsewhere, files_beside_the_store,
         a_spoiled_store_keeps_the_table, the_folder_is_synced, a_kill_at_each_step_of_a_merge,
         copies_in_their_own_pid_namespaces, a_full_disk_while_another_holds_the_store,
         a_copy_stopped_inside_its_save, copies_ending_at_once, beside_the_previous_release,
         the_display_goes_away]  # the last: it ends the X server
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
        # MIREL_STORE_CASES="a_spoiled_store_keeps_the_table ..." runs only those.
        for case in [case for case in CASES if case.__name__ in os.environ.get(
                "MIREL_STORE_CASES", case.__name__).split()]:
            print(f"--- {case.__name__.replace('_', ' ')} (round {round_})")
            case()
    finally:
        for running in copies:
            process = getattr(running, "process", running)
            if process.poll() is None:
                for pid in children(process.pid):  # a game run by strace or unshare
                    os.kill(pid, signal.SIGKILL)
                process.send_signal(signal.SIGCONT)
                process.kill()
        del copies[:]
        xvfb.kill()
        shutil.rmtree(work, ignore_errors=True)
print(f"PASS in {time.monotonic() - started:.1f} s")
