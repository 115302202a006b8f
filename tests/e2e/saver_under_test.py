"""Where the saver under test is and what its windows are called."""

import time

import rig as rigmod
from rig import wait_for

SAVER_TITLE = "^Tesselume Screensaver$"

# Runs that end on a fatal path call glfwTerminate, which unloads the XInput DLL that GLFW loaded.
# Wine 8's xinput keeps a worker thread running in it, and about one run in thirty that thread then
# faults in the unloaded code ("Unhandled page fault on execute access" inside xinput1_4.dll). That
# is Wine's race, not the saver's: those runs go without XInput (GLFW only loses gamepads).
NO_XINPUT = "xinput1_1,xinput1_2,xinput1_3,xinput1_4,xinput9_1_0=d"


def fatal_path_env(*overrides):
    """WINEDLLOVERRIDES for a run that ends through glfwTerminate."""
    return {"WINEDLLOVERRIDES": ";".join([rigmod.WINE_ENV["WINEDLLOVERRIDES"], NO_XINPUT, *overrides])}


def saver_path():
    """The 64-bit build's tesselume.scr, or None."""
    build = rigmod.build_dir()
    for candidate in (build / "tesselume.scr", build / "shell" / "tesselume.scr"):
        if candidate.is_file():
            return candidate
    return None


def assert_clean_exit(proc, timeout=10):
    """Exit code 0 within timeout, and no fault on the way out (Wine reports one on stderr even
    when the exit code survives it)."""
    code, why = proc.exit_code(timeout)
    assert code == 0 and "Unhandled" not in proc.err(), why


def start_fullscreen(rig, saver, *switch, extra_env=None):
    """Starts a full-screen run and waits for its window; returns (process, X window id)."""
    proc = rig.start(saver, *switch, extra_env=extra_env)
    windows = rig.find_windows(SAVER_TITLE, timeout=30)
    assert proc.alive(), f"the saver ended on its own: {proc.exit_code(1)[1]}"
    assert len(windows) == 1, f"expected one saver window, found {windows}"
    return proc, windows[0]


def settled_size(rig, expected, timeout=10):
    """The saver window's (width, height) once it equals expected, or the last size seen when it
    does not get there in time: a display-mode switch resizes the window after it first shows."""
    seen = None
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for window in rig.visible_windows(SAVER_TITLE):
            try:
                seen = rig.geometry(window)[2:]
            except RuntimeError:  # gone between the search and the query
                continue
            if seen == expected:
                return seen
        time.sleep(0.05)
    return seen


def end_with_key(rig, proc, key="a"):
    """Presses a key on the saver's window; returns the exit code."""
    windows = rig.find_windows(SAVER_TITLE, timeout=10)
    assert windows, "the saver's window is gone"
    rig.key_on(windows[-1], key)
    return proc.wait(10)


def close_about(rig, proc):
    """Clicks the close box of the About window's caption (Wine draws the caption itself, there
    being no window manager), as a user would close it; returns the exit code."""
    windows = rig.find_windows("^About$", timeout=20)
    assert len(windows) == 1, f"expected the About window, found {windows}"
    width = rig.geometry(windows[0])[2]
    wait_for(lambda: rig.focused_window() == windows[0], 5)
    rig.click_on(windows[0], width - 14, 11)
    return proc.wait(10)
