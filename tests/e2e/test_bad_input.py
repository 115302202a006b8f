"""Command lines a user or another program might pass by mistake, and a machine without OpenGL, on
the real saver: each one gets a clear, bounded result (the full-screen saver, or the boxes of a
window that cannot open), ends with exit code 0, and leaves nothing behind: no file in the folder it
ran in or on drive C:, no window, no process."""

import os

import pytest

from rig import wait_for

from saver_under_test import SAVER_TITLE, assert_clean_exit, end_with_key, fatal_path_env, start_fullscreen

FULL_SCREEN = "full screen"
NO_HANDLE = ["Win32: Invalid window handle", "Failed to open window"]
NO_WINDOW = ["WGL: Failed to retrieve DC for window", "Failed to open window"]
NO_OPENGL = ["WGL: Failed to load opengl32.dll: Module not found. ", "Failed to open window"]

CASES = {
    "upper-case-S": (["/S"], FULL_SCREEN),
    "unknown-switch": (["/x"], FULL_SCREEN),
    "dash-switch": (["-s"], FULL_SCREEN),
    "last-switch-wins": (["/c", "/s"], FULL_SCREEN),
    "20000-characters": (["/q" * 10000], FULL_SCREEN),
    "preview-without-handle": (["/p"], NO_HANDLE),
    "preview-handle-not-a-number": (["/p", "abc"], NO_HANDLE),
    "preview-handle-too-large": (["/p", "99999999999999999999"], NO_WINDOW),
    "preview-handle-negative": (["/p", "-5"], NO_WINDOW),
    # Wine's OpenGL switched off stands for a machine without an OpenGL driver.
    "no-opengl-driver": (["/s"], NO_OPENGL),
}
OVERRIDES = {"no-opengl-driver": ["opengl32=d"]}


def saver_processes(saver):
    """Linux processes running this saver (under Wine each Windows process is one)."""
    found, name = [], str(saver).encode()
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                if name in cmdline.read():
                    found.append(int(entry))
        except (OSError, ValueError):
            continue
    return found


def files_under(folder):
    found = set()
    for root, _, names in os.walk(folder):
        found.update(os.path.join(root, name) for name in names)
    return found


@pytest.mark.parametrize("case", list(CASES))
def test_bad_command_line(rig, saver, case, tmp_path, monkeypatch):
    args, expected = CASES[case]
    drive_c = rig.prefix.path / "drive_c"
    before = files_under(drive_c)
    monkeypatch.chdir(tmp_path)  # the saver's working folder
    if expected == FULL_SCREEN:
        proc, _ = start_fullscreen(rig, saver, *args)
        assert end_with_key(rig, proc) == 0
    else:
        watch = rig.boxwatch(count=2, timeout_ms=30000)
        proc = rig.start(saver, *args, extra_env=fatal_path_env(*OVERRIDES.get(case, [])))
        assert watch.wait(45) == 0, f"boxes seen: {watch.out()!r}"
        boxes = rig.boxes(watch)
        assert [(box["caption"], box["text"]) for box in boxes] == list(zip(["Error", "Debug"], expected))
    assert_clean_exit(proc)
    assert not rig.visible_windows(SAVER_TITLE)
    assert wait_for(lambda: not saver_processes(saver), 5), saver_processes(saver)
    assert list(tmp_path.iterdir()) == []
    assert files_under(drive_c) - before == set()
