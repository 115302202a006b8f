""""/c" shows the About window, never the saver's window nor GLFW's, and ends with exit code 0
when the About window is closed."""

from saver_under_test import SAVER_TITLE, close_about


def test_configure_shows_only_the_about_window(rig, saver):
    proc = rig.start(saver, "/c")
    assert rig.find_windows("^About$", timeout=20), "no About window"
    assert not rig.visible_windows(SAVER_TITLE)
    # GLFW names its hidden helper window; "/c" never initialises GLFW.
    assert "GLFW message window" not in rig.x("xwininfo", "-root", "-children")
    assert close_about(rig, proc) == 0
