""""/c" ends with exit code 0 and opens no window of the saver."""

import time

from rig import wait_for


def test_configure_opens_no_window(rig, saver):
    before = set(rig.visible_windows("."))
    proc = rig.start(saver, "/c")
    appeared = set()
    started = time.monotonic()
    while proc.alive() and time.monotonic() - started < 15:
        appeared |= set(rig.visible_windows(".")) - before
        time.sleep(0.05)
    assert proc.wait(1) == 0
    assert not appeared, f"windows appeared: {appeared}"
    assert not wait_for(lambda: set(rig.visible_windows(".")) - before, 0.5)
