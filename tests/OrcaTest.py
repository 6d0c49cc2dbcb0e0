#!/usr/bin/python3
"""The game played by keys with a real screen reader listening: a private X server, session
bus, window manager, accessibility bus and Orca, all started here and ended by their process
ids. What Orca would have spoken is the `SPEECH OUTPUT:` lines of its debug log. The board is
read from screenshots, so that the keys go to a group wherever the deal put one.

Usage: [LANGUAGE=ru] OrcaTest.py path/to/mirel [--record FILE]   (--record: write the speech,
check nothing; the English checks need the English game)
Exit 77 (skipped) only where a program it needs is missing."""
import os, re, shutil, signal, subprocess, sys, tempfile, time

ORCA_LINE_BUFFERED = """
import builtins, sys
orca, log = sys.argv[1], sys.argv[2]
plain = builtins.open
def opened(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain(file, mode, 1, *args, **kwargs)
    return plain(file, mode, *args, **kwargs)
builtins.open = opened
sys.argv = [orca, "--debug-file=" + log]
exec(compile(plain(orca).read(), orca, "exec"))
"""
HANG = 120  # seconds: only a hang takes this long, never a slow machine's pace
NEEDED = ["Xvfb", "dbus-daemon", "openbox", "orca", "xdotool", "import", "gsettings",
          "/usr/libexec/at-spi-bus-launcher"]


def main():
    game = os.path.realpath(sys.argv[1])
    record = sys.argv[sys.argv.index("--record") + 1] if "--record" in sys.argv else None
    missing = [p for p in NEEDED if not shutil.which(p) and not os.path.exists(p)]
    if missing:
        print("SKIP: missing %s (install the packages debian/control lists for the tests)"
              % ", ".join(missing))
        return 77
    try:
        from PIL import Image  # noqa: F401
    except ImportError:
        print("SKIP: python3-pil is missing")
        return 77
    stack = Stack()
    try:
        return stack.run(game, record)
    finally:
        stack.close()


def translations(language):
    """The game's names of its controls in `language` (its i18n/mirel_<language>.ts), by their
    English; none for English."""
    import xml.etree.ElementTree as ET
    ts = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "i18n",
                      "mirel_%s.ts" % language)
    if not os.path.exists(ts):
        return {}
    return {m.findtext("source"): m.findtext("translation")
            for m in ET.parse(ts).iter("message") if m.get("numerus") != "yes"}


class Stack:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="mirel-orca-")
        self.procs = []
        self.keep = False

    def path(self, *p):
        return os.path.join(self.dir, *p)

    def start(self, args, **kw):
        proc = subprocess.Popen(args, env=kw.pop("env", self.env), stdin=subprocess.DEVNULL,
                                stdout=kw.pop("stdout", open(self.path(os.path.basename(args[0]) + ".log"), "w")),
                                stderr=subprocess.STDOUT, **kw)
        self.procs.append(proc)
        return proc

    def close(self):
        # Latest first; each with what it started (the bus starts the accessibility bus,
        # its registry and dconf), found by parent process id.
        for proc in reversed(self.procs):
            for pid in descendants(proc.pid) + [proc.pid]:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            try:
                proc.wait(timeout=10)  # a grace to end cleanly, then it is killed
            except subprocess.TimeoutExpired:
                for pid in descendants(proc.pid) + [proc.pid]:
                    try:
                        os.kill(pid, signal.SIGKILL)
                    except ProcessLookupError:
                        pass
                proc.wait()
        if self.keep:
            print("logs kept in", self.dir)
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def run(self, game, record):
        for d in ["home", "config", "data", "cache", "runtime"]:
            os.makedirs(self.path(d), mode=0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.path("home"), "XDG_CONFIG_HOME": self.path("config"),
            "XDG_DATA_HOME": self.path("data"), "XDG_CACHE_HOME": self.path("cache"),
            "XDG_RUNTIME_DIR": self.path("runtime"), "LANG": "C.UTF-8",
            # Orca speaks into its log alone: no speech server is started for it.
            "SPEECHD_ADDRESS": "unix_socket:" + self.path("runtime", "no-speechd"),
            "NO_AT_BRIDGE": "0", "GTK_MODULES": "",
        }
        if "LSAN_OPTIONS" in os.environ:
            self.env["LSAN_OPTIONS"] = os.environ["LSAN_OPTIONS"]
        r, w = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24",
                                 "-nolisten", "tcp"], pass_fds=[w], env=self.env,
                                stdout=subprocess.DEVNULL, stderr=open(self.path("xvfb.log"), "w"))
        self.procs.append(xvfb)
        os.close(w)
        display = os.read(r, 100).decode().strip()
        if not display:
            return self.fail("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        for key in [("org.gnome.desktop.interface", "toolkit-accessibility"),
                    ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")]:
            subprocess.run(["gsettings", "set", *key, "true"], env=self.env, check=True)
        self.start(["openbox"])
        self.start(["/usr/libexec/at-spi-bus-launcher"])
        self.log = self.path("orca-debug.log")
        # Orca itself, its debug log written line by line rather than in blocks, so that what
        # it has said is in the log as soon as it says it.
        orca = shutil.which("orca")
        self.start(["/usr/bin/python3", "-c", ORCA_LINE_BUFFERED, orca, self.log])
        self.await_log(r"SPEECH: Initialized|Orca .*ready|ORCA: Starting", "Orca did not start")
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env["QT_QPA_PLATFORM"] = "xcb"
        # The game speaks the desktop's language (LANGUAGE=ru, with --record for its words);
        # Orca keeps English, whose words for the kinds of control the keys wait for.
        language = {"LANGUAGE": os.environ["LANGUAGE"]} if os.environ.get("LANGUAGE") else {}
        self.names = translations(language.get("LANGUAGE", "").split(":")[0])
        self.game = self.start([game], stdout=open(self.path("game.log"), "w"),
                               env=dict(self.env, **language))
        self.window = self.until(lambda: self.find_window(), "the game's window did not show")
        ok = self.play()
        self.write_transcript(record or self.path("speech.txt"))
        if record:
            print("speech written to", record)
        # The checks hear English: a recording in another language only plays the game.
        passed = ok and ((record and self.names) or self.check())
        return 0 if passed or record else 1

    def check(self):
        said = speech(self.log)
        text = "\n".join(said)
        failed = []
        def heard(what, pattern, times=1):
            n = len(re.findall(pattern, text, re.M))
            print("%-4s %s (%d times)" % ("ok" if n >= times else "FAIL", what, n))
            if n < times:
                failed.append(what)
        cell = r"row \d+, column \d+: (?:empty|[a-z ]+, (?:alone|a group of \d+, \d+ points))"
        heard("a new game with the cursor's cell", r"^New game\. row 10, column 1: ")
        heard("cursor moves, each with its cell", r"^" + cell + r"\b", 3)
        heard("a removal with the new score", r"^Score \d+\. " + cell)
        heard("an undo with the score", r"^Undone, score \d+\. " + cell)
        heard("an undo with nothing to undo", r"^Nothing to undo\.")
        heard("the high-score window by name", r"^High scores dialog")
        heard("the name prompt with score and rank",
              r"^Game over! Score \d+ entered the high scores at rank 1\. Type a name of up "
              r"to seven letters and digits")
        heard("the help text", r"^Click on identical adjacent pieces to score points\. Use "
              r"Events to make things even wilder! label")
        heard("the about text with its version", r"^Mirel\. .*Version \d\.\d label")
        heard("a piece set press", r"^Set 2, squares")
        # A mine or a shift happens only where the deal and the clock put them.
        for what, pattern in [("a mine going off", r"^A mine exploded! Score \d+\."),
                              ("a timed shift", r"^The (?:rows|columns) shifted\. " + cell)]:
            n = len(re.findall(pattern, text, re.M))
            print("%-4s %s (%d times)" % ("ok" if n else "--", what, n))
        bad = re.findall(r"bad content sent to speak|Could not process", read(self.log))
        print("%-4s nothing Orca could not speak (%d)" % ("ok" if not bad else "FAIL", len(bad)))
        if bad:
            failed.append("Orca could not speak some events")
        if failed:
            self.fail("not heard: " + "; ".join(failed))
        return not failed

    # --- waiting, without an upper bound a busy machine could reach ---
    def until(self, probe, what, step=0.1):
        end = time.monotonic() + HANG
        while time.monotonic() < end:
            got = probe()
            if got:
                return got
            if self.game_died():
                break
            time.sleep(step)
        self.fail(what)
        raise SystemExit(1)

    def game_died(self):
        return getattr(self, "game", None) is not None and self.game.poll() is not None

    def await_log(self, pattern, what):
        return self.until(lambda: os.path.exists(self.log) and re.search(pattern, read(self.log)), what)

    def find_window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Mirel$"],
                             env=self.env, capture_output=True, text=True).stdout.split()
        return out[0] if out else None

    def fail(self, what):
        print("FAIL:", what, flush=True)
        self.keep = True
        if getattr(self, "window", None):
            subprocess.run(["import", "-window", "root", self.path("screen.png")], env=self.env)
        return 1

    def write_transcript(self, path):
        with open(path, "w") as out:
            for label, lines in self.transcript:
                out.write("== %s\n" % label)
                out.writelines("SPEECH OUTPUT: '%s'\n" % line for line in lines)
            bad = re.findall(r".*(?:bad content sent to speak|Could not process).*", read(self.log))
            out.write("== log lines with bad content or Could not process: %d\n" % len(bad))
            out.writelines(line[:300] + "\n" for line in bad[:20])

    # --- playing ---
    def keys(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "150", *names], env=self.env, check=True)

    def quiet(self):
        """Until Orca's log and the game's window have both stopped changing."""
        last = None
        def still():
            nonlocal last
            now = (os.path.getsize(self.log), self.shot_bytes())
            same = now == last
            last = now
            return same
        self.stills = 0
        def settled():
            self.stills = self.stills + 1 if still() else 0
            return self.stills >= 3
        self.until(settled, "the game or Orca never settled", step=0.4)

    def shot_bytes(self):
        return self.shoot(["-depth", "8", "rgb:-"])

    def shoot(self, args):
        # A screenshot of a window that has gone waits for ever: the game is looked at first.
        if self.game_died():
            return b""
        try:
            return subprocess.run(["import", "-window", self.window, *args], env=self.env,
                                  capture_output=True, timeout=HANG).stdout
        except subprocess.TimeoutExpired:
            return b""

    def step(self, label, *keys):
        if keys:
            self.keys(*keys)
        self.quiet()
        lines = speech(self.log)
        new = lines[self.heard:]
        self.heard = len(lines)
        self.transcript.append((label, new))
        return " ".join(new)

    def board(self):
        """The colour at the middle of each cell, None where it is black (empty)."""
        from PIL import Image
        import io
        png = self.shoot(["png:-"])
        image = Image.open(io.BytesIO(png)).convert("RGB")
        cells = {}
        for r in range(1, 11):
            for c in range(1, 16):
                rgb = image.getpixel((19 + 36 * (c - 1), 22 + 36 * (r - 1)))
                cells[(r, c)] = None if max(rgb) < 48 else rgb  # an empty cell is near black
        return cells

    def group_cell(self):
        """A cell with a neighbour of its colour, the nearest to the cursor."""
        cells = self.board()
        found = [cell for cell, colour in cells.items() if colour and any(
            cells.get((cell[0] + dr, cell[1] + dc)) == colour
            for dr, dc in [(0, 1), (1, 0), (0, -1), (-1, 0)])]
        if not found:
            return None
        return min(found, key=lambda cell: abs(cell[0] - self.at[0]) + abs(cell[1] - self.at[1]))

    def go(self, cell):
        dr, dc = cell[0] - self.at[0], cell[1] - self.at[1]
        keys = (["Down"] * dr if dr > 0 else ["Up"] * -dr) + (["Right"] * dc if dc > 0 else ["Left"] * -dc)
        self.at = cell
        # An arrow key also gives the board the focus; Left and back when already there.
        self.keys(*(keys or (["Left", "Right"] if cell[1] > 1 else ["Right", "Left"])))

    def tab_to(self, name):
        # Orca writes its log in blocks: each Tab waits for the control it reached to be told.
        for _ in range(16):
            start = len(speech(self.log))
            self.keys("Tab")
            told = self.until(lambda: [line for line in speech(self.log)[start:] if re.search(
                r"push button|check box|image|label", line)], "a Tab reached nothing Orca told")
            self.step("Tab")
            if self.names.get(name, name) in told[-1]:
                return True
        self.transcript.append(("(%s never reached)" % name, []))
        return False

    def next_group(self):
        """The group to press next, or None once the high-score window shows. A board read
        while a mine burns, or left without a group by a shift, is not the end of the game:
        the game goes on until a removal leaves no group, and the next shift may bring one."""
        found = self.until(lambda: "over" if self.dialogs() else self.group_cell(),
                           "neither a group on the board nor the high-score window")
        return None if found == "over" else found

    def dialogs(self):
        title = "^%s$" % self.names.get("High scores", "High scores")
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                             env=self.env, capture_output=True, text=True).stdout.split()
        return out

    def play(self):
        self.heard = 0
        self.transcript = []
        subprocess.run(["xdotool", "windowactivate", "--sync", self.window], env=self.env)
        self.step("the window opens")
        self.tab_to("Events")
        self.step("Events pressed", "space")
        self.tab_to("Mines")
        self.step("Mines switched on", "space")
        self.tab_to("Row shifts")
        self.step("Row shifts switched on", "space")
        self.step("Escape leaves the events screen", "Escape")
        self.step("Ctrl+N", "ctrl+n")
        self.at = (10, 1)
        self.step("Up", "Up")
        self.step("Right", "Right")
        self.step("Right", "Right")
        self.at = (9, 3)
        self.go(self.group_cell())
        self.step("moved to a group")
        self.step("Space: a removal", "space")
        self.step("Ctrl+Z: undo", "ctrl+z")
        self.step("Ctrl+Z again: nothing to undo", "ctrl+z")
        moves = tries = 0
        while moves < 200 and tries < 400:
            tries += 1
            cell = self.next_group()
            if cell is None:
                break
            self.go(cell)
            # Keys made while a shift runs or a mine burns are dropped: the cursor is on the
            # cell Orca told last, and a Space goes only where the group was seen.
            told = re.findall(r"row (\d+), column (\d+):", self.step("moved to a group"))
            if told:
                self.at = (int(told[-1][0]), int(told[-1][1]))
            if self.at != cell:
                continue
            self.step("Space", "space")
            moves += 1
            print("move", moves, "at", cell, flush=True)
        self.until(self.dialogs, "no high-score window at the end of the game")
        self.step("Game over, the high-score window")
        for letter in "abc":
            self.step("typed " + letter, letter)
        self.step("Enter ends the name", "Return")
        self.step("Enter presses Ok", "Return")
        self.step("F1: help", "F1")
        self.step("Escape leaves help", "Escape")
        self.tab_to("About")
        self.step("About pressed", "space")
        self.step("Escape leaves about", "Escape")
        self.tab_to("Piece set")
        self.step("Piece set pressed", "space")
        self.step("after the press")
        self.keys("ctrl+q")
        self.until(lambda: self.game.poll() is not None, "Ctrl+Q did not end the game")
        return True


def read(path):
    with open(path, errors="replace") as f:
        return f.read()


def speech(log):
    return re.findall(r"SPEECH OUTPUT: '(.*?)'", read(log)) if os.path.exists(log) else []


def descendants(pid):
    kids = subprocess.run(["pgrep", "-P", str(pid)], capture_output=True, text=True).stdout.split()
    return [d for k in kids for d in descendants(int(k))] + [int(k) for k in kids]


if __name__ == "__main__":
    sys.exit(main())
