"""Full-screen runs: the window fills the display, keys and buttons end the saver, moving the
mouse and turning the wheel do not."""

import time

import pytest

from saver_under_test import assert_clean_exit, start_fullscreen


@pytest.mark.parametrize("switch", [("/s",), ()], ids=["s", "no-switch"])
@pytest.mark.parametrize("display", ["rig", "small"])
def test_window_fills_the_display(request, saver, switch, display):
    rig = request.getfixturevalue(display)
    proc, window = start_fullscreen(rig, saver, *switch)
    width, height = rig.screen_size()
    assert rig.geometry(window) == (0, 0, width, height)
    rig.key("a")
    assert_clean_exit(proc, 10)


@pytest.mark.parametrize("action", [("key", "a"), ("key", "Shift_L"), ("click", "1"), ("click", "3")],
                         ids=["letter", "shift-alone", "left-click", "right-click"])
def test_key_or_button_ends_the_saver(rig, saver, action):
    proc, _ = start_fullscreen(rig, saver, "/s")
    rig.xdotool(*action)
    sent = time.monotonic()
    assert_clean_exit(proc, 5)
    assert proc.ended - sent < 2.0


def test_moving_and_wheel_do_not_end_the_saver(rig, saver):
    proc, _ = start_fullscreen(rig, saver, "/s")
    for x, y in ((100, 100), (400, 250), (700, 500), (1100, 650), (640, 360)):
        rig.mousemove(x, y)
        time.sleep(0.05)
    for button in (4, 5, 4, 5):
        rig.click(button)
    time.sleep(1.0)
    assert proc.alive(), f"the saver ended with {proc.wait(1)} after movement or wheel"
    rig.key("a")
    assert_clean_exit(proc, 5)
