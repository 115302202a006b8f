"""The preview ("/p <handle>") against preview_host, which plays the display settings' dialog: a
152 x 112 child window of another process. Rendering inside child windows does not reach the
screen on this rig, so these tests look at the window tree, the boxes and the exit."""

import pytest

from rig import HostReport
from saver_under_test import assert_clean_exit, fatal_path_env


def host_run(rig, saver, *options, timeout=60):
    host = rig.preview_host(saver, *options)
    code = host.wait(timeout)
    return code, HostReport(host.lines()), host


@pytest.mark.parametrize("action", ["destroy", "disable"])
def test_saver_sits_in_the_preview_and_leaves_with_it(rig, saver, action):
    watch = rig.boxwatch(count=1, timeout_ms=6000)
    code, report, host = host_run(rig, saver, "--action", action, "--delay-ms", "2500", "--timeout-ms", "10000")
    assert code == 0, host.out()
    child, pid = report.value("CHILD"), report.value("SAVERPID")
    inside = report.records("WINDOW")
    assert report.value("TREE") == f"count={len(inside)}" and len(inside) == 1, host.out()
    window = inside[0]
    assert (window["parent"], window["pid"]) == (child, pid)
    assert (window["x"], window["y"], window["w"], window["h"]) == ("0", "0", "152", "112")
    assert window["visible"] == "1"
    assert not [w for w in report.records("TOPLEVEL") if w["visible"] == "1"], "the saver showed a window of its own"
    exit_code, after_ms, since = report.exit()
    assert (exit_code, since) == (0, "action")
    assert after_ms < 1000, f"the saver took {after_ms} ms to leave after '{action}'"
    assert watch.wait(20) == 1 and not watch.lines(), f"unexpected box: {watch.out()}"


def test_second_preview_leaves_at_once(rig, saver):
    code, report, host = host_run(rig, saver, "--second", "--action", "destroy", "--delay-ms", "2000",
                                  "--timeout-ms", "10000")
    assert code == 0, host.out()
    second_code, second_ms = report.exit("SECONDEXIT")[:2]
    assert second_code == 0 and second_ms < 3000, host.out()
    # The window tree is reported after the first look and again after the second run ended.
    trees = [line for line in report.lines if line.startswith("TREE ")]
    assert trees == ["TREE count=1", "TREE count=1"], host.out()
    assert report.exit()[:1] == (0,)


# GLFW's text for each kind of handle, as seen on this rig: no handle at all is refused before
# any context is tried; a number that names no window has no device context.
BAD_HANDLES = {
    "0": "Win32: Invalid window handle",
    "12345": "WGL: Failed to retrieve DC for window",
    "destroyed": "WGL: Failed to retrieve DC for window",
}


@pytest.mark.parametrize("handle", list(BAD_HANDLES))
def test_handle_that_is_no_window(rig, saver, handle):
    watch = rig.boxwatch(count=2, timeout_ms=30000)
    if handle == "destroyed":
        # The host passes its environment on to the saver it starts.
        host = rig.preview_host(saver, "--stale-handle", "--timeout-ms", "40000", extra_env=fatal_path_env())
        saver_proc = None
    else:
        saver_proc = rig.start(saver, "/p", handle, extra_env=fatal_path_env())
    assert watch.wait(45) == 0, f"boxes seen: {watch.out()!r}"
    boxes = rig.boxes(watch)
    assert [box["caption"] for box in boxes] == ["Error", "Debug"], boxes
    assert boxes[0]["text"] == BAD_HANDLES[handle], boxes[0]
    assert boxes[1]["text"] == "Failed to open window"
    assert {box.get("icon") for box in boxes} == {"information"}
    if saver_proc:
        assert_clean_exit(saver_proc, 10)
    else:
        assert host.wait(20) == 0
        assert HostReport(host.lines()).exit()[:1] == (0,)
