"""The single-instance guard: while a preview or a switchless run is alive, further preview and
switchless runs end at once; full-screen ("/s") and configuration ("/c") runs ignore the guard."""

import time

import pytest

from rig import HostReport, wait_for
from saver_under_test import SAVER_TITLE, assert_clean_exit, close_about


@pytest.fixture(params=["preview", "no-switch"])
def guard_holder(request, rig, saver):
    """A guarded saver that stays alive for the test."""
    if request.param == "preview":
        host = rig.preview_host(saver, "--action", "none", "--delay-ms", "1500", "--timeout-ms", "120000",
                                timeout=180)
        assert wait_for(lambda: HostReport(host.lines()).value("TREE") is not None, 30), host.out()
        assert HostReport(host.lines()).exit() is None, host.out()
        return host, []
    proc = rig.start(saver)
    windows = rig.find_windows(SAVER_TITLE, timeout=30)
    assert proc.alive() and len(windows) == 1
    return proc, windows


@pytest.mark.parametrize("args", [("/p", "12345"), ()], ids=["preview", "no-switch"])
def test_guarded_run_leaves_at_once_without_window(rig, saver, guard_holder, args):
    holder, holder_windows = guard_holder
    started = time.monotonic()
    proc = rig.start(saver, *args)
    seen = set()
    while proc.alive() and time.monotonic() - started < 10:
        seen.update(rig.visible_windows(SAVER_TITLE))
        time.sleep(0.05)
    assert_clean_exit(proc, 1)
    assert proc.ended - started < 5.0
    assert seen <= set(holder_windows), "the second run opened a window"
    assert holder.alive()


def test_fullscreen_and_configure_ignore_the_guard(rig, saver, guard_holder):
    holder, holder_windows = guard_holder
    fullscreen = rig.start(saver, "/s")
    new = wait_for(lambda: set(rig.visible_windows(SAVER_TITLE)) - set(holder_windows), 30)
    assert new and fullscreen.alive(), "the /s run did not open its window beside the guarded run"
    rig.key_on(new.pop(), "a")
    assert_clean_exit(fullscreen, 10)
    configure = rig.start(saver, "/c")
    assert close_about(rig, configure) == 0
    assert holder.alive()
