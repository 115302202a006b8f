"""The window size follows the Windows version: from 6.0 on the monitor's mode, below it 800 x 600.

On a bare Xvfb screen Wine offers one display mode only, so GLFW's nearest-mode rule turns an
800 x 600 request into the screen's own size and nothing can be seen. Inside a Wine virtual
desktop Wine offers the usual list of modes and switches to the one asked for, so there the
requested size becomes the window's size."""

import pytest

from saver_under_test import end_with_key, settled_size, start_fullscreen

APP = r"HKCU\Software\Wine\AppDefaults\tesselume.scr"


@pytest.mark.parametrize("version, expected", [("winxp", (800, 600)), (None, (1024, 768))],
                         ids=["xp-asks-800x600", "win7-takes-monitor-mode"])
def test_window_size_follows_windows_version(small, saver, version, expected):
    # A fresh desktop per case: a mode switch lasts as long as the desktop does.
    desktop = f"saver-{version or 'default'}"
    small.prefix.reg_add(r"HKCU\Software\Wine\Explorer\Desktops", desktop, "REG_SZ", "1024x768")
    small.prefix.reg_add(APP + r"\Explorer", "Desktop", "REG_SZ", desktop)
    if version:
        small.set_app_version("tesselume.scr", version)
    try:
        proc, _ = start_fullscreen(small, saver, "/s")
        assert settled_size(small, expected) == expected
        assert end_with_key(small, proc) == 0
    finally:
        small.prefix.reg_delete(APP)
