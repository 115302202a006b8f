"""Fixtures of the end-to-end tests: one shared rig (display, prefix, server) for the whole run,
and a second one with another screen size for the tests that need it."""

import os

import pytest

import rig as rigmod
from saver_under_test import SAVER_TITLE, saver_path


@pytest.fixture(scope="session")
def saver():
    path = saver_path()
    if path is None:
        pytest.skip(f"{rigmod.build_dir()}/tesselume.scr is missing: run scripts/build win64 first")
    for tool in ("boxwatch", "preview_host"):
        if not (rigmod.build_dir() / "tools" / tool / f"{tool}.exe").is_file():
            pytest.skip(f"{tool}.exe is missing from {rigmod.build_dir()}/tools: run scripts/build win64 first")
    return path


@pytest.fixture(scope="session")
def shared_rig(tmp_path_factory, saver):
    """The rig scripts/test started (TESSELUME_RIG_DIR), or one of our own for this session."""
    rundir = os.environ.get("TESSELUME_RIG_DIR")
    if rundir:
        the_rig = rigmod.attach(rundir)
        the_rig.workdir = tmp_path_factory.mktemp("shared")
        yield the_rig, rigmod.template_of(rundir)
        the_rig.stop_all()
        return
    rundir = tmp_path_factory.mktemp("rig")
    try:
        the_rig = rigmod.up(rundir)
        yield the_rig, rigmod.template_of(rundir)
        the_rig.stop_all()
    finally:
        rigmod.down(rundir)


def leave_empty(the_rig):
    """Ends what a test left running and waits until its windows are gone from the display."""
    the_rig.stop_all()
    left = rigmod.wait_for(lambda: not the_rig.visible_windows(SAVER_TITLE), 10)
    assert left, "a saver window outlived its test"


@pytest.fixture
def rig(shared_rig):
    """The shared rig, left with nothing running after each test."""
    the_rig, _ = shared_rig
    yield the_rig
    leave_empty(the_rig)


@pytest.fixture(scope="session")
def small_rig(shared_rig, tmp_path_factory):
    """A 1024 x 768 display with its own prefix and server."""
    _, template = shared_rig
    the_rig = rigmod.separate(template, tmp_path_factory.mktemp("small"), "1024x768x24")
    yield the_rig
    the_rig.close()


@pytest.fixture
def small(small_rig):
    yield small_rig
    leave_empty(small_rig)
