"""The Wine rig: a virtual X display, a Wine prefix with its own server, and helpers to run Windows
programs on them, look at their windows, type and click, and watch message boxes.

Used by the end-to-end tests (through conftest.py) and by scripts/test, which starts one rig for
all Windows suites:

    python3 tests/e2e/rig.py up DIR     # Xvfb + prefix + wineserver; writes DIR/env.sh to source
    python3 tests/e2e/rig.py down DIR   # stops exactly what `up` started

Rules kept throughout: Xvfb picks its own display number (-displayfd); every wine call runs under
`timeout`; programs write to files, never to pipes (Wine's services inherit them and keep them
open); the server of our own prefix is stopped with `wineserver -k`, nothing is killed by name.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]

# What every wine call sees: no debug chatter, no Mono/Gecko install prompts.
WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}
DEFAULT_SCREEN = "1280x720x24"


def build_dir():
    """The win64 build the tests run; TESSELUME_WIN64_BUILD overrides build/win64."""
    return Path(os.environ.get("TESSELUME_WIN64_BUILD", REPO / "build" / "win64"))


def windows_path(path):
    """A Unix path as Wine's Z: drive sees it."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wait_for(predicate, timeout, interval=0.05):
    """Polls until predicate() is truthy; returns its last value."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= end:
            return value
        time.sleep(interval)


class Display:
    """An Xvfb server on a display number it chose itself."""

    def __init__(self, workdir, screen=DEFAULT_SCREEN):
        self.screen = screen
        workdir = Path(workdir)
        workdir.mkdir(parents=True, exist_ok=True)
        read_end, write_end = os.pipe()
        log = open(workdir / f"xvfb-{screen}.log", "wb")
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        finally:
            os.close(write_end)
            log.close()
        number = b""
        with os.fdopen(read_end, "rb") as reader:
            while not number.endswith(b"\n"):
                chunk = reader.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.process.kill()
            raise RuntimeError(f"Xvfb did not start; see {workdir}/xvfb-{screen}.log")
        self.name = ":" + number.decode().strip()
        self.pid = self.process.pid

    def stop(self):
        stop_pid(self.pid)


def stop_pid(pid, grace=3.0):
    """Ends one process we started, by its id."""
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    end = time.monotonic() + grace
    while time.monotonic() < end:
        try:
            finished, _ = os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            # Not our child (started by an earlier `rig.py up`): it is gone once kill(0) fails.
            try:
                os.kill(pid, 0)
            except ProcessLookupError:
                return
            finished = 0
        if finished:
            return
        time.sleep(0.05)
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


class Prefix:
    """A Wine prefix and its server."""

    def __init__(self, path, display_name):
        self.path = Path(path)
        self.display_name = display_name

    @property
    def env(self):
        env = dict(os.environ)
        env.update(WINE_ENV)
        env["WINEPREFIX"] = str(self.path)
        env["DISPLAY"] = self.display_name
        return env

    def _quiet(self, args, timeout, env=None):
        return subprocess.run(["timeout", "-k", "5", str(timeout), *args], env=env or self.env,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode

    @classmethod
    def create_template(cls, path, display_name):
        """A fresh prefix set up for unattended runs; its server has quit when this returns, so
        the folder can be copied."""
        prefix = cls(path, display_name)
        prefix.path.parent.mkdir(parents=True, exist_ok=True)
        if prefix._quiet(["wineboot", "-i"], 180) != 0:
            raise RuntimeError(f"wineboot -i failed for {path}")
        # A crash must end the program with its code, not open winedbg's dialog and wait.
        prefix.reg_add(r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", "REG_DWORD", "0")
        # There is no window manager: with managed windows Wine waits 2 s for one at every window
        # it hides (each dismissed message box), and nothing changes otherwise.
        prefix.reg_add(r"HKCU\Software\Wine\X11 Driver", "Managed", "REG_SZ", "N")
        prefix._quiet(["wineserver", "-w"], 60)
        return prefix

    def copy_to(self, path, display_name=None):
        """A separate prefix with the same contents (cp -a needs no re-boot)."""
        subprocess.run(["cp", "-a", str(self.path), str(path)], check=True)
        return Prefix(path, display_name or self.display_name)

    def start_server(self):
        """A persistent server, then one program run so Wine's services start detached from any
        pipe of a later caller."""
        self._quiet(["wineserver", "-p"], 30)
        self._quiet(["wine", "cmd", "/c", "exit"], 120)

    def stop_server(self):
        self._quiet(["wineserver", "-k"], 30)

    def reg_add(self, key, name, kind, data):
        if self._quiet(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"], 60) != 0:
            raise RuntimeError(f"reg add {key} {name} failed")

    def reg_delete(self, key):
        self._quiet(["wine", "reg", "delete", key, "/f"], 60)


class Proc:
    """A Windows program started under `timeout wine`, its output in files."""

    def __init__(self, args, env, logdir, name, timeout):
        logdir = Path(logdir)
        logdir.mkdir(parents=True, exist_ok=True)
        stamp = f"{name}-{time.monotonic_ns()}"
        self.out_path = logdir / f"{stamp}.out"
        self.err_path = logdir / f"{stamp}.err"
        self.args = args
        self.started = time.monotonic()
        with open(self.out_path, "wb") as out, open(self.err_path, "wb") as err:
            self.popen = subprocess.Popen(["timeout", "-k", "5", str(timeout), "wine", *args], env=env,
                                          stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        self.ended = None

    def alive(self):
        if self.popen.poll() is None:
            return True
        if self.ended is None:
            self.ended = time.monotonic()
        return False

    def wait(self, timeout):
        """The exit code's low byte (all that Wine passes on), or None if still running."""
        try:
            code = self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        if self.ended is None:
            self.ended = time.monotonic()
        if code == 124:
            raise AssertionError(f"{self.args[0]} hit the rig's own timeout")
        return code & 0xFF

    def exit_code(self, timeout):
        """Like wait(), for assertions: a message with the command and its error output."""
        code = self.wait(timeout)
        return code, (f"{' '.join(self.args)}: exit {code} (None: still running after {timeout} s); "
                      f"stderr: {self.err()[-800:]!r}")

    def kill(self):
        """Ends the program (SIGTERM reaches wine through `timeout`)."""
        if self.popen.poll() is None:
            self.popen.terminate()
            try:
                self.popen.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait()

    def out(self):
        return self.out_path.read_bytes().decode("utf-8", "replace").replace("\r\n", "\n")

    def err(self):
        return self.err_path.read_bytes().decode("utf-8", "replace").replace("\r\n", "\n")

    def windows_children(self):
        """Windows process ids this program reported starting (preview_host's SAVERPID lines)."""
        return [int(line.split()[1]) for line in self.lines() if line.startswith(("SAVERPID ", "SECONDPID "))]

    def lines(self):
        return [line for line in self.out().split("\n") if line]


class Rig:
    """A display and a prefix whose server runs; the tests' toolbox."""

    def __init__(self, display_name, prefix, workdir, screen=DEFAULT_SCREEN):
        self.display_name = display_name
        self.prefix = prefix
        self.workdir = Path(workdir)
        self.screen = screen
        self.procs = []
        self.owned_display = None

    def close(self):
        """Ends a rig made by separate(): programs, server, display, prefix."""
        self.stop_all()
        self.prefix.stop_server()
        if self.owned_display:
            self.owned_display.stop()
        shutil.rmtree(self.prefix.path, ignore_errors=True)

    @property
    def env(self):
        return self.prefix.env

    # --- programs -----------------------------------------------------------------------------

    def start(self, exe, *args, extra_env=None, timeout=120, name=None):
        env = self.env
        if extra_env:
            env.update(extra_env)
        proc = Proc([str(exe), *map(str, args)], env, self.workdir / "logs", name or Path(exe).stem, timeout)
        self.procs.append(proc)
        return proc

    def run(self, exe, *args, timeout=60, **kwargs):
        proc = self.start(exe, *args, timeout=timeout, **kwargs)
        code = proc.wait(timeout + 10)
        return code, proc

    def stop_all(self):
        """Ends whatever a test left running, so the next one starts on an empty display. Savers
        that a preview host started are ended by their Windows process ids."""
        for proc in self.procs:
            if not proc.alive():
                continue
            proc.kill()
            for pid in proc.windows_children():
                self.prefix._quiet(["wine", "taskkill", "/F", "/PID", str(pid)], 30)
        self.procs = []

    # --- registry -----------------------------------------------------------------------------

    def set_app_version(self, exe_name, version):
        """Wine's per-program Windows version (AppDefaults\\<file name>\\Version)."""
        self.prefix.reg_add(rf"HKCU\Software\Wine\AppDefaults\{exe_name}", "Version", "REG_SZ", version)

    def clear_app_version(self, exe_name):
        self.prefix.reg_delete(rf"HKCU\Software\Wine\AppDefaults\{exe_name}")

    # --- X side -------------------------------------------------------------------------------

    def x(self, *args, timeout=20, check=True):
        """Runs an X client on the rig's display; returns its standard output. Unchecked, a
        failure other than BadWindow (the window went away) returns None."""
        env = dict(os.environ, DISPLAY=self.display_name)
        result = subprocess.run(["timeout", str(timeout), *map(str, args)], env=env, stdin=subprocess.DEVNULL,
                                capture_output=True, text=True)
        if result.returncode != 0:
            if check:
                raise RuntimeError(f"{args[0]} failed ({result.returncode}): {result.stderr.strip()}")
            if result.returncode == 124 or (result.stderr.strip() and "BadWindow" not in result.stderr):
                return None
        return result.stdout

    def xdotool(self, *args, **kwargs):
        return self.x("xdotool", *args, **kwargs)

    def find_windows(self, name, timeout=20):
        """X ids of visible windows whose name matches the regular expression, waiting up to
        timeout seconds for the first; [] when none came."""
        return wait_for(lambda: self.visible_windows(name), timeout) or []

    def visible_windows(self, name):
        """Visible windows matching name right now. A window that goes away while xdotool walks
        the tree makes it complain; what it printed still counts, and the next poll sees more."""
        env = dict(os.environ, DISPLAY=self.display_name)
        result = subprocess.run(["timeout", "20", "xdotool", "search", "--onlyvisible", "--name", name], env=env,
                                stdin=subprocess.DEVNULL, capture_output=True, text=True)
        return [int(w) for w in result.stdout.split() if w.isdigit()]

    def geometry(self, window):
        """(x, y, width, height) of an X window."""
        values = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", window).split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screen_size(self):
        match = re.search(r"dimensions:\s+(\d+)x(\d+) pixels", self.x("xdpyinfo"))
        return int(match.group(1)), int(match.group(2))

    def key(self, *keys):
        """Presses and releases keys through XTEST: they reach the window under the pointer."""
        self.xdotool("key", *keys)

    def key_on(self, window, *keys):
        """Keys for one window: the pointer goes onto it, and once it has the focus (a key sent
        earlier is lost) the keys go through XTEST. Keys sent straight to a window (XSendEvent)
        are avoided: a window that closes on the press never gets the release, and Wine then
        keeps the key down and later hands a stray release to whichever window comes next."""
        self.pointer_to(window)
        wait_for(lambda: self.focused_window() == int(window), 5)
        self.key(*keys)

    def click_on(self, window, x, y, button=1):
        """A click at (x, y) inside a window."""
        self.pointer_to(window, x, y)
        self.xdotool("click", button)

    def focused_window(self):
        result = self.x("xdotool", "getwindowfocus", check=False)
        return int(result) if result and result.strip().isdigit() else None

    def pointer_to(self, window, x=5, y=5):
        """Moves the pointer onto a window (relative position), so XTEST keys go there."""
        self.xdotool("mousemove", "--window", window, x, y)

    def click(self, button=1):
        self.xdotool("click", button)

    def mousemove(self, x, y):
        self.xdotool("mousemove", x, y)

    def screenshot(self, path):
        self.x("import", "-window", "root", path)
        return Path(path)

    # --- Windows-side tools -------------------------------------------------------------------

    def boxwatch(self, count=1, timeout_ms=20000, pid=None):
        """Starts the box watcher; boxes(proc) reads what it saw."""
        args = ["--count", count, "--timeout-ms", timeout_ms]
        if pid is not None:
            args += ["--pid", pid]
        return self.start(build_dir() / "tools" / "boxwatch" / "boxwatch.exe", *args,
                          timeout=timeout_ms // 1000 + 30, name="boxwatch")

    @staticmethod
    def boxes(proc):
        return [json.loads(line) for line in proc.lines()]

    def preview_host(self, saver, *options, timeout=90, extra_env=None):
        return self.start(build_dir() / "tools" / "preview_host" / "preview_host.exe", windows_path(saver),
                          *options, timeout=timeout, name="preview_host", extra_env=extra_env)


class HostReport:
    """The lines of a preview_host run, parsed."""

    def __init__(self, lines):
        self.lines = lines

    def value(self, keyword):
        for line in self.lines:
            parts = line.split()
            if parts and parts[0] == keyword:
                return parts[1] if len(parts) > 1 else ""
        return None

    def records(self, keyword):
        """key=value fields of every line that starts with keyword."""
        found = []
        for line in self.lines:
            parts = line.split()
            if parts and parts[0] == keyword:
                found.append(dict(p.split("=", 1) for p in parts[1:] if "=" in p))
        return found

    def exit(self, keyword="SAVEREXIT"):
        """(code, after_ms, from) of the saver's exit, or None."""
        for line in self.lines:
            parts = line.split()
            if parts and parts[0] == keyword:
                fields = dict(p.split("=", 1) for p in parts[2:])
                return int(parts[1]), int(fields["after_ms"]), fields.get("from")
        return None


def separate(template, workdir, screen=DEFAULT_SCREEN):
    """A rig of its own: a new display of the given size and a copy of the template prefix with its
    own server. Wine keeps what it learnt of a display in the prefix and its server, so a different
    screen needs a different prefix. close() removes it all again."""
    workdir = Path(workdir)
    workdir.mkdir(parents=True, exist_ok=True)
    display = Display(workdir, screen)
    prefix = template.copy_to(workdir / "pfx", display.name)
    prefix.start_server()
    rig = Rig(display.name, prefix, workdir, screen)
    rig.owned_display = display
    return rig


# --- one rig for a whole run (scripts/test) -----------------------------------------------------

def up(rundir, screen=DEFAULT_SCREEN):
    """Display, template prefix, working prefix with a running server; returns the Rig."""
    rundir = Path(rundir)
    rundir.mkdir(parents=True, exist_ok=True)
    display = Display(rundir, screen)
    state = {"display": display.name, "xvfb_pid": display.pid, "screen": screen,
             "template": str(rundir / "template"), "prefix": str(rundir / "pfx")}
    (rundir / "rig.json").write_text(json.dumps(state))
    template = Prefix.create_template(rundir / "template", display.name)
    prefix = template.copy_to(rundir / "pfx")
    prefix.start_server()
    return Rig(display.name, prefix, rundir, screen)


def down(rundir):
    rundir = Path(rundir)
    try:
        state = json.loads((rundir / "rig.json").read_text())
    except FileNotFoundError:
        return
    prefix = Prefix(state["prefix"], state["display"])
    if prefix.path.exists():
        prefix.stop_server()
    stop_pid(state["xvfb_pid"])
    # The prefixes are large (about 700 MB each).
    shutil.rmtree(state["prefix"], ignore_errors=True)
    shutil.rmtree(state["template"], ignore_errors=True)


def attach(rundir):
    """The rig that `up` started, as recorded in rundir."""
    state = json.loads((Path(rundir) / "rig.json").read_text())
    return Rig(state["display"], Prefix(state["prefix"], state["display"]), rundir, state["screen"])


def template_of(rundir):
    state = json.loads((Path(rundir) / "rig.json").read_text())
    return Prefix(state["template"], state["display"])


def attached_or_own(tmp_path_factory, name):
    """For a pytest fixture to `yield from`: the rig scripts/test started (TESSELUME_RIG_DIR), with
    a working folder of the caller's, or else a rig of the caller's own, taken down afterwards."""
    rundir = os.environ.get("TESSELUME_RIG_DIR")
    if rundir and (Path(rundir) / "rig.json").exists():
        the_rig = attach(rundir)
        the_rig.workdir = tmp_path_factory.mktemp(name)
        yield the_rig
        the_rig.stop_all()
        return
    work = tmp_path_factory.mktemp(f"{name}-rig")
    the_rig = up(work)
    yield the_rig
    the_rig.stop_all()
    down(work)


def main(argv):
    if len(argv) not in (3, 4) or argv[1] not in ("up", "down") or (len(argv) == 4 and argv[1] != "up"):
        print("usage: rig.py up DIR [WIDTHxHEIGHTxDEPTH] | rig.py down DIR", file=sys.stderr)
        return 2
    rundir = Path(argv[2]).resolve()
    if argv[1] == "down":
        down(rundir)
        return 0
    rig = up(rundir, argv[3] if len(argv) == 4 else DEFAULT_SCREEN)
    exports = {"DISPLAY": rig.display_name, "WINEPREFIX": str(rig.prefix.path),
               "TESSELUME_RIG_DIR": str(rundir), **WINE_ENV}
    (rundir / "env.sh").write_text("".join(f"export {k}='{v}'\n" for k, v in exports.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
