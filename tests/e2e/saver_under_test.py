"""Where the saver under test is and what its windows are called."""

import time

import rig as rigmod

SAVER_TITLE = "^Tesselume Screensaver$"


def saver_path():
    """The 64-bit build's tesselume.scr, or None."""
    build = rigmod.build_dir()
    for candidate in (build / "tesselume.scr", build / "shell" / "tesselume.scr"):
        if candidate.is_file():
            return candidate
    return None


def start_fullscreen(rig, saver, *switch, extra_env=None):
    """Starts a full-screen run and waits for its window; returns (process, X window id)."""
    proc = rig.start(saver, *switch, extra_env=extra_env)
    windows = rig.find_windows(SAVER_TITLE, timeout=30)
    assert proc.alive(), f"the saver ended on its own with {proc.wait(1)}: {proc.err()}"
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
    """Puts the pointer on the saver's window (keys go where the pointer is) and presses a key."""
    windows = rig.find_windows(SAVER_TITLE, timeout=10)
    assert windows, "the saver's window is gone"
    rig.xdotool("mousemove", "--window", windows[-1], 5, 5)
    rig.key(key)
    return proc.wait(10)
