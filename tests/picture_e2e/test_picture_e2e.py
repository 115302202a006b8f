"""The picture end to end under Wine.

Set-ups that must fail: each scene probe binds one broken text in place of the saver's own and
runs the saver's scene set-up; boxwatch, another process in the same prefix, reads each box and
presses OK. The probe's "probe: ..." lines say which shaders were made and whether the program was
linked before the process ended.

The full-screen saver: a screenshot of the virtual display compared with the CPU reference of the
cell shader on what does not depend on the time: where the borders are black, and the colour
direction of every cell (the pulse only scales a cell's brightness).

Run by CTest (tests/picture_e2e/CMakeLists.txt); uses the run's rig when scripts/test started one.
"""
import os
import sys
import time
from pathlib import Path

import numpy as np
import pytest
from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
import rig  # noqa: E402  (tests/e2e/rig.py)

PROBES = Path(os.environ.get("TESSELUME_SCENE_PROBES", rig.build_dir() / "tests" / "picture_e2e"))
SAVER = Path(os.environ.get("TESSELUME_SCR", rig.build_dir() / "tesselume.scr"))
SAVER_TITLE = "^Tesselume Screensaver$"


@pytest.fixture(scope="module")
def wine(tmp_path_factory):
    yield from rig.attached_or_own(tmp_path_factory, "picture")


def shader_log(text):
    """The GL's compile log: not empty, and it reports an error."""
    return "error" in text.lower()


def missing_text(resource_id):
    return lambda text: str(resource_id) in text and "~" in text


SHADERS_LINKED = ["create vertex", "create fragment", "link"]

# program, what each box says in order (caption "Debug" for all), probe lines after "set-up"
FAILURES = [
    # Both shaders are broken: the vertex shader is the only one made, and reported.
    ("scene_broken_vertex", [shader_log, "Vertex shader compilation error"], ["create vertex", "delete vertex"]),
    ("scene_broken_fragment", [shader_log, "Fragment shader compilation error"],
     ["create vertex", "create fragment", "delete fragment"]),
    ("scene_empty_obj", ["Failed to load mesh"], SHADERS_LINKED),
    ("scene_unreadable_obj", ["Failed to load mesh"], SHADERS_LINKED),
    # Texts are read before any GL object is made.
    ("scene_no_end_marker", [missing_text(136)], []),
    ("scene_missing_vertex", [missing_text(137)], []),
]


@pytest.mark.parametrize("program,texts,trace", FAILURES, ids=[case[0] for case in FAILURES])
def test_failed_set_up_shows_its_boxes_and_ends_with_zero(wine, program, texts, trace):
    watch = wine.boxwatch(count=len(texts), timeout_ms=30000)
    probe = wine.start(PROBES / f"{program}.exe", timeout=60)
    assert watch.wait(45) == 0, f"boxes seen: {watch.out()!r}; probe: {probe.out()!r}"
    # A box more would hold the probe: ending at once also says no box followed.
    assert probe.wait(15) == 0, probe.err()
    boxes = wine.boxes(watch)
    assert [box["caption"] for box in boxes] == ["Debug"] * len(texts), boxes
    assert {box.get("icon") for box in boxes} == {"information"}
    for box, want in zip(boxes, texts):
        assert want(box["text"]) if callable(want) else box["text"] == want, box
    lines = [line[len("probe: "):] for line in probe.lines() if line.startswith("probe: ")]
    assert lines == ["set-up", *trace]


# --- the full-screen picture ---------------------------------------------------------------------

def fract(values):
    return values - np.floor(values)


def cell_randoms(cx, cy):
    """rand, rand2, rand3 of the cell shader in single precision, and whether any of them sits so
    near fract's jump that the GL's sine may land on the other side."""
    f = np.float32
    cx, cy = cx.astype(f), cy.astype(f)
    values, near = [], np.zeros(cx.shape, bool)
    for a, b, k in ((12.9898, 78.233, 137.5453), (1.9898, 7.233, 37.5453), (3.1771, 5.755, 17.5453)):
        v = fract(np.sin(cx * f(a) + cy * f(b)) * f(k))
        near |= (v < 0.02) | (v > 0.98)
        values.append(v)
    return np.stack(values, axis=-1), near


def line_distance(coordinate):
    return np.abs(coordinate - np.round(coordinate))


def test_fullscreen_picture_matches_the_reference(wine, tmp_path):
    proc = wine.start(SAVER, "/s", timeout=120)
    windows = wine.find_windows(SAVER_TITLE, timeout=30)
    assert windows and proc.alive(), f"no saver window: {proc.err()}"
    _, _, width, height = wine.geometry(windows[0])
    assert (width, height) == wine.screen_size()
    time.sleep(1.5)  # frames presented after the window was mapped
    shot = wine.screenshot(tmp_path / "fullscreen.png")
    wine.xdotool("mousemove", "--window", windows[0], 5, 5)
    wine.key("a")
    assert proc.wait(10) == 0

    # Rows from the bottom, as gl_FragCoord counts them.
    image = np.asarray(Image.open(shot).convert("RGB"), dtype=np.int32)[:height, :width][::-1]
    cell = height / 20.0
    xs = (np.arange(width) + 0.5 - width / 2.0) / cell
    ys = (np.arange(height) + 0.5 - height / 2.0) / cell
    u, w = np.meshgrid(xs, ys)

    # Within 0.02 cell of a line the reference is below 3 of 255 whatever the time; the cell up
    # and right of the centre has colour (0, 0, 0).
    on_line = (line_distance(u) < 0.02) | (line_distance(w) < 0.02)
    brightest = image.max(axis=2)
    assert on_line.sum() > 0.04 * width * height
    assert brightest[on_line].max() <= 3, np.argwhere(on_line & (brightest > 3))[:5].tolist()
    origin = (u >= 0) & (u < 1) & (w >= 0) & (w < 1)
    assert brightest[origin].max() == 0

    # Each whole cell's centre pixel: the colour's direction is (rand, rand2, rand3).
    cx = np.arange(np.ceil(-width / 2.0 / cell), np.floor(width / 2.0 / cell))
    cy = np.arange(-10, 10)
    cx, cy = np.meshgrid(cx, cy)
    px = np.floor(width / 2.0 + (cx + 0.5) * cell).astype(int)
    py = np.floor(height / 2.0 + (cy + 0.5) * cell).astype(int)
    expected, near_jump = cell_randoms(cx, cy)
    got = image[py, px].astype(np.float64)
    # Too dark a centre (a dark colour or a pulse near black) leaves too few levels to compare.
    usable = ~near_jump & (got.max(axis=-1) >= 40)
    assert usable.sum() >= 0.2 * cx.size, f"only {usable.sum()} of {cx.size} cells usable"
    unit = lambda v: v / np.linalg.norm(v, axis=-1, keepdims=True)
    error = np.abs(unit(got[usable]) - unit(expected[usable].astype(np.float64))).max(axis=-1)
    worst = np.argmax(error)
    assert error.max() < 0.04, (f"cell ({cx[usable][worst]}, {cy[usable][worst]}): got {got[usable][worst]}, "
                                f"reference direction {unit(expected[usable][worst])}")
