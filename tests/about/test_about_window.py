"""The real tesselume.scr started with "/c", looked at from outside: window placement for two
screen sizes, the controls and their fonts, the picture on the screen, the button and the close box.

Run by CTest (tests/about/CMakeLists.txt), which tells where the programs are; by hand:
    TESSELUME_WIN64_BUILD=build/h-x python3 -m pytest tests/about
"""
import json
import os
import stat
import sys
from pathlib import Path

import pytest
from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
import rig  # noqa: E402  (tests/e2e/rig.py)

WEB_ADDRESS = "https://www.tesselume.example/?utm_source=About"
GROUND = (177, 232, 179)
TITLE_TEXT = (0, 0, 0)
NOTICE_TEXT = (0, 51, 255)
LOGO_AT = (142, 55)

WS_SYSMENU, WS_CAPTION, WS_THICKFRAME = 0x00080000, 0x00C00000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00020000, 0x00010000
WS_CHILD, WS_VISIBLE, WS_TABSTOP = 0x40000000, 0x10000000, 0x00010000


def built(env_name, *default):
    value = os.environ.get(env_name)
    return Path(value) if value else rig.build_dir().joinpath(*default)


SAVER = built("TESSELUME_SCR", "tesselume.scr")
INSPECTOR = built("TESSELUME_ABOUT_WINDOW_PROBE", "tests", "about", "about_window_probe.exe")
FAILURE_PROBE = built("TESSELUME_ABOUT_FAILURE_PROBE", "tests", "about", "about_failure_probe.exe")
RESOURCES_PROBE = built("TESSELUME_RESOURCES_PROBE", "tests", "about", "saver_resources_probe.exe")
LOGO = built("TESSELUME_ART_DIR", "resources", "art") / "about_logo.bmp"


@pytest.fixture(scope="session")
def template(tmp_path_factory):
    """A prefix to copy: the run's own template when scripts/test started a rig, else a new one."""
    rundir = os.environ.get("TESSELUME_RIG_DIR")
    if rundir and (Path(rundir) / "rig.json").exists():
        return rig.template_of(rundir)
    work = tmp_path_factory.mktemp("about-template")
    display = rig.Display(work)
    try:
        return rig.Prefix.create_template(work / "template", display.name)
    finally:
        display.stop()


@pytest.fixture(scope="module", params=[(1920, 1080), (1366, 768)], ids=lambda s: f"{s[0]}x{s[1]}")
def screen_rig(request, template, tmp_path_factory):
    """A display of the given size with a prefix and server of its own: Wine keeps what it learnt
    of a display in the prefix and its server."""
    width, height = request.param
    r = rig.separate(template, tmp_path_factory.mktemp(f"about-{width}x{height}"), f"{width}x{height}x24")
    yield width, height, r
    r.close()


@pytest.fixture()
def url_log(tmp_path):
    """A fake xdg-open, first in the PATH the About window's process gets; returns (env, log)."""
    bin_dir = tmp_path / "fakebin"
    bin_dir.mkdir()
    log = tmp_path / "opened-urls.txt"
    script = bin_dir / "xdg-open"
    script.write_text(f"#!/bin/sh\nprintf '%s\\n' \"$*\" >> '{log}'\n")
    script.chmod(script.stat().st_mode | stat.S_IXUSR)
    return {"PATH": f"{bin_dir}:{os.environ['PATH']}"}, log


def inspect(r, action="none"):
    code, proc = r.run(INSPECTOR, 20000, action, timeout=60)
    assert code == 0, f"inspector: {proc.out()} {proc.err()}"
    return json.loads(proc.lines()[-1])


def start_about(r, extra_env=None):
    saver = r.start(SAVER, "/c", extra_env=extra_env, timeout=120, name="about")
    return saver


def expected_origin(width, height):
    return int((width - 400.0) * 0.5), int((height - 300.0) * 0.5)


def test_window_and_controls(screen_rig):
    width, height, r = screen_rig
    saver = start_about(r)
    seen = inspect(r)
    x, y = expected_origin(width, height)
    assert (x, y) == {(1920, 1080): (760, 390), (1366, 768): (483, 234)}[(width, height)]
    assert seen["rect"] == [x, y, x + 400, y + 300]
    assert seen["title"] == "About"
    style = seen["style"]
    assert style & WS_SYSMENU and (style & WS_CAPTION) == WS_CAPTION
    assert not style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

    notice, title, button = seen["children"]
    assert (notice["class"], notice["id"], notice["rect"]) == ("Static", 10, [20, 150, 400, 230])
    assert (title["class"], title["id"], title["rect"]) == ("Static", 30, [105, 20, 385, 40])
    assert (button["class"], button["id"], button["rect"]) == ("Button", 10, [150, 210, 250, 242])
    assert notice["style"] == title["style"] == WS_CHILD | WS_VISIBLE | WS_TABSTOP
    assert button["style"] == WS_CHILD | WS_VISIBLE
    assert title["text"] == "Tesselume Screensaver"
    assert button["text"] == "Visit website"
    rights, site, mail = notice["text"].split("\r\n")
    assert "2007-2019" in rights and "Tesselume" in rights
    assert "free screensavers" in site and "tesselume.example" in site
    assert "@tesselume.example" in mail

    inside = seen["inside"]
    common = {"face": "Arial", "italic": 0, "strikeout": 0, "charset": 1, "out_precision": 8,
              "clip_precision": 0, "quality": 5, "pitch_and_family": 2, "escapement": 0, "orientation": 0}
    text_font = dict(common, height=16, width=6, weight=400, underline=0)
    title_font = dict(common, height=18, width=8, weight=700, underline=1)
    fonts = inside["fonts"]
    assert fonts[str(notice["hwnd"])] == text_font
    assert fonts[str(button["hwnd"])] == text_font
    assert fonts[str(title["hwnd"])] == title_font

    # "/c" is GDI only: GLFW never registered its window class, OpenGL was never loaded.
    assert inside["glfw_class_registered"] is False
    assert inside["opengl_loaded"] is False
    assert "GLFW30" not in seen["process_window_classes"]

    inspect(r, "close")
    assert saver.wait(30) == 0


def colour(image, origin, x, y):
    return image.getpixel((origin[0] + x, origin[1] + y))[:3]


def test_picture_on_screen(screen_rig, tmp_path):
    width, height, r = screen_rig
    saver = start_about(r)
    seen = inspect(r)
    origin = seen["client_origin"]
    client_w, client_h = seen["client"][2], seen["client"][3]
    # Painting follows the first show; wait until the ground is there.
    shot = {}

    def painted():
        shot["image"] = Image.open(r.screenshot(tmp_path / "about.png")).convert("RGB")
        return colour(shot["image"], origin, 5, 5) == GROUND
    assert rig.wait_for(painted, 10, 0.25), "the client area never turned light green"
    image = shot["image"]

    # The ground, around the logo, and behind the static controls where they have no text.
    for x, y in [(5, 5), (client_w - 3, client_h - 3), (10, 140), (LOGO_AT[0] - 1, 60), (LOGO_AT[0] + 110, 60),
                 (150, LOGO_AT[1] - 1), (150, LOGO_AT[1] + 83), (378, 36), (30, 226), (320, 226)]:
        assert colour(image, origin, x, y) == GROUND, (x, y)

    logo = Image.open(LOGO).convert("RGB")
    assert logo.size == (110, 83)
    for ly in range(83):
        for lx in range(110):
            assert colour(image, origin, LOGO_AT[0] + lx, LOGO_AT[1] + ly) == logo.getpixel((lx, ly)), (lx, ly)

    def count(box, rgb):
        x0, y0, x1, y1 = box
        return sum(colour(image, origin, x, y) == rgb for y in range(y0, y1) for x in range(x0, x1))
    title_box, notice_box = (105, 20, 385, 40), (20, 150, 394, 200)
    assert count(title_box, TITLE_TEXT) > 100
    assert count(title_box, NOTICE_TEXT) == 0
    assert count(notice_box, NOTICE_TEXT) > 300
    assert count(notice_box, TITLE_TEXT) == 0

    inspect(r, "close")
    assert saver.wait(30) == 0


# One screen is enough for the button.
@pytest.mark.parametrize("screen_rig", [(1920, 1080)], indirect=True, ids=["1920x1080"])
def test_button_opens_the_web_site_and_the_close_box_ends_the_run(screen_rig, url_log):
    width, height, r = screen_rig
    env, log = url_log
    saver = start_about(r, extra_env=env)
    for clicks in (1, 2):
        inspect(r, "click")
        assert rig.wait_for(lambda: log.exists() and len(log.read_text().splitlines()) >= clicks, 20), \
            f"no address after click {clicks}"
        assert log.read_text().splitlines() == [WEB_ADDRESS] * clicks
        # The About window stays.
        assert inspect(r)["found"] is True
        assert saver.alive()
    inspect(r, "close")
    assert saver.wait(30) == 0


@pytest.mark.parametrize("screen_rig", [(1920, 1080)], indirect=True, ids=["1920x1080"])
def test_failed_set_up_shows_both_boxes_and_returns(screen_rig):
    width, height, r = screen_rig
    watcher = r.boxwatch(count=2, timeout_ms=30000)
    code, probe = r.run(FAILURE_PROBE, timeout=60)
    assert watcher.wait(30) == 0, "fewer than two boxes"
    boxes = [(b["caption"], b["text"], b.get("icon")) for b in r.boxes(watcher)]
    assert boxes == [("Error!", "Window Registration Failed!", "exclamation"),
                     ("Error!", "Window Creation Failed!", "exclamation")]
    # Without a window there is no message loop to wait in: the constructor came back.
    assert (code, probe.lines()) == (0, ["returned"])


@pytest.mark.parametrize("screen_rig", [(1920, 1080)], indirect=True, ids=["1920x1080"])
def test_saver_carries_its_pictures(screen_rig):
    width, height, r = screen_rig
    code, probe = r.run(RESOURCES_PROBE, rig.windows_path(SAVER), timeout=60)
    assert code == 0, probe.err()
    found = json.loads(probe.lines()[-1])
    assert found["bitmap101"] == {"width": 110, "height": 83, "bits": 24}
    assert found["bitmap123"] == {"width": 1920, "height": 1080, "bits": 24}
    assert (found["png124"]["width"], found["png124"]["height"]) == (2400, 2400)
    assert found["icon1"] == [{"size": 16, "bits": 32}, {"size": 32, "bits": 32}, {"size": 48, "bits": 32}]
