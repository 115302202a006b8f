"""A DLL named like the system's OpenGL library, left beside the saver (a downloads folder, a
shared drive), is never loaded: the saver looks for DLLs in Windows' own folder only.

Wine normally keeps its own opengl32 whatever lies beside a program; "opengl32=n,b" makes it
search for the DLL the way Windows does, so that a planted copy would win. load_by_name shows
that it does win for a program that loads the name without the saver's restriction."""

import shutil

import pytest

import rig as rigmod
from saver_under_test import assert_clean_exit, end_with_key, start_fullscreen

SEARCH_LIKE_WINDOWS = {"WINEDLLOVERRIDES": rigmod.WINE_ENV["WINEDLLOVERRIDES"] + ";opengl32=n,b"}


@pytest.fixture
def planted(tmp_path):
    """A folder holding the planted opengl32.dll; its DllMain leaves the file `marker`."""
    built = rigmod.build_dir() / "tests" / "dll_planting"
    dll, probe = built / "planted" / "opengl32.dll", built / "load_by_name.exe"
    if not dll.is_file() or not probe.is_file():
        pytest.skip(f"{built} is not built: run scripts/build win64 first")
    folder = tmp_path / "Downloads"
    folder.mkdir()
    shutil.copy(dll, folder)
    shutil.copy(probe, folder)
    marker = folder / "marker"
    env = dict(SEARCH_LIKE_WINDOWS, TESSELUME_PLANTED_MARKER=rigmod.windows_path(folder) + "\\marker")
    return folder, marker, env


def loaded_module(rig, folder, env, *options):
    code, proc = rig.run(folder / "load_by_name.exe", *options, extra_env=env)
    assert code == 0, proc.out() + proc.err()
    return proc.out().strip().lower()


def test_the_plant_works_on_a_program_without_the_restriction(rig, planted):
    folder, marker, env = planted
    assert loaded_module(rig, folder, env) == (rigmod.windows_path(folder) + "\\opengl32.dll").lower()
    assert marker.exists()


def test_the_restriction_loads_the_system_library(rig, planted):
    folder, marker, env = planted
    assert loaded_module(rig, folder, env, "--restricted") == r"c:\windows\system32\opengl32.dll"
    assert not marker.exists()


def test_the_saver_beside_a_planted_library_runs_on_the_system_one(rig, saver, planted):
    folder, marker, env = planted
    copy = folder / "tesselume.scr"
    shutil.copy(saver, copy)
    proc, _ = start_fullscreen(rig, copy, "/s", extra_env=env)
    assert not marker.exists(), "the planted opengl32.dll was loaded into the saver"
    assert end_with_key(rig, proc) == 0
    assert_clean_exit(proc)
    assert not marker.exists()
