"""A window that cannot be opened: GLFW's own error text in an "Error" box, then "Failed to open
window" in a "Debug" box, then exit code 0. Wine's OpenGL switched off stands for a machine
without an OpenGL driver."""

import pytest

from saver_under_test import assert_clean_exit, fatal_path_env

NO_OPENGL = fatal_path_env("opengl32=d")


# GLFW's description, followed by the system's text for the error code, as Wine words it.
NO_OPENGL_TEXT = "WGL: Failed to load opengl32.dll: Module not found. "


def assert_glfw_error_then_failed_to_open(boxes, glfw_text):
    assert [box["caption"] for box in boxes] == ["Error", "Debug"], boxes
    assert boxes[0]["text"] == glfw_text, boxes[0]
    assert boxes[1]["text"] == "Failed to open window"
    assert {box.get("icon") for box in boxes} == {"information"}
    assert boxes[0]["pid"] == boxes[1]["pid"]


@pytest.mark.parametrize("switch", [("/s",), ()], ids=["s", "no-switch"])
def test_no_opengl_driver(rig, saver, switch):
    watch = rig.boxwatch(count=2, timeout_ms=30000)
    proc = rig.start(saver, *switch, extra_env=NO_OPENGL)
    assert watch.wait(45) == 0, f"boxes seen: {watch.out()!r}"
    assert_glfw_error_then_failed_to_open(rig.boxes(watch), NO_OPENGL_TEXT)
    assert_clean_exit(proc, 10)
