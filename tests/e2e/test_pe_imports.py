"""The executables need only Windows' own DLLs: no OpenGL library at load time (GLFW loads it at
run time) and no MinGW run-time DLLs (everything is linked statically)."""

import glob
import re
import subprocess
from pathlib import Path

import pytest

from rig import REPO

FORBIDDEN = {"opengl32.dll", "glu32.dll", "libstdc++-6.dll", "libwinpthread-1.dll"}


def system_dlls():
    """The DLL names Wine provides as Windows' own."""
    names = set()
    for folder in glob.glob("/usr/lib/*/wine/x86_64-windows") + glob.glob("/usr/lib/wine/x86_64-windows"):
        names |= {p.name.lower() for p in Path(folder).glob("*.dll")}
    return names


def imports(exe):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True,
                          check=True).stdout
    return [name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)]


@pytest.mark.parametrize("build", ["win64", "win32"])
def test_imports_only_system_dlls(build):
    exe = REPO / "build" / build / "tesselume.scr"
    if not exe.is_file():
        exe = REPO / "build" / build / "shell" / "tesselume.scr"
    if not exe.is_file():
        pytest.skip(f"build/{build}/tesselume.scr is missing: run scripts/build {build} first")
    names = imports(exe)
    assert names, "no import table found"
    assert not FORBIDDEN & set(names)
    assert not [n for n in names if n.startswith("libgcc_s_")]
    known = system_dlls()
    assert known, "Wine's DLL folder not found"
    assert set(names) <= known, f"not Windows system DLLs: {set(names) - known}"
