"""The saver's GL report as a user sees it: gl_info_probe opens the saver's application and calls
showGLInfo; boxwatch, another process in the same prefix, reads the box and presses OK. The probe
then prints the values it queried itself, from which the expected text is built here.

Run by CTest (tests/gl_diagnostics/CMakeLists.txt); uses the run's rig when scripts/test started one.
"""
import json
import os
import sys
from pathlib import Path

import pytest

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
import rig  # noqa: E402  (tests/e2e/rig.py)

PROBE = Path(os.environ.get("TESSELUME_GL_INFO_PROBE",
                            rig.build_dir() / "tests" / "gl_diagnostics" / "gl_info_probe.exe"))


@pytest.fixture(scope="module")
def wine(tmp_path_factory):
    yield from rig.attached_or_own(tmp_path_factory, "gl-info")


def report_lines(values):
    return [
        f"OpenGL Major and Minor version: {values['major']}.{values['minor']}",
        f"OpenGL Version string: {values['version']}",
        f"OpenGL Renderer string: {values['renderer']}",
        f"Max Attrib Count: {values['max_vertex_attribs']}",
        f"Max Uniform Locations: {values['max_uniform_locations']}",
        f"Max Vertex Uniform Count: {values['max_vertex_uniform_components']}",
        f"Max Fragment Uniform Count: {values['max_fragment_uniform_components']}",
        f"Max Elements Indices: {values['max_elements_indices']}",
        f"Max Elements Vertices: {values['max_elements_vertices']}",
        f"Max Texture Size: {values['max_texture_size']}",
    ]


def show_report(wine, *probe_args):
    watcher = wine.boxwatch(count=1, timeout_ms=60000)
    code, probe = wine.run(PROBE, *probe_args, timeout=90)
    assert code == 0, probe.err()
    assert watcher.wait(30) == 0, "no box seen"
    boxes = wine.boxes(watcher)
    assert len(boxes) == 1
    return boxes[0], json.loads(probe.lines()[-1])


@pytest.mark.parametrize("old_context", [False, True], ids=["context", "old-context"])
def test_report_box(wine, old_context):
    box, values = show_report(wine, *(["--old-context"] if old_context else []))
    assert box["caption"] == "Info"
    assert box.get("icon") in (None, "information")
    lines = report_lines(values)
    assert box["text"] == "\r\n".join(lines)
    assert len(box["text"].split("\r\n")) == 10 and not box["text"].endswith("\r\n")
    # Profile mask and flags are stored, not shown.
    assert values["stored"] == [values["major"], values["minor"], values["profile_mask"], values["context_flags"]]
    if old_context:
        # Queries an OpenGL 2.x context does not know leave their starting value of 0.
        assert lines[0].endswith(": 0.0") and lines[4].endswith(": 0")
        assert values["stored"] == [0, 0, 0, 0]
    else:
        assert values["major"] >= 3 and values["max_uniform_locations"] > 0
