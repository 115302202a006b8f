"""The installer, silently, in a Wine prefix of its own: both builds of the saver land where each
architecture's settings dialog looks, Tesselume becomes the current user's saver, the uninstaller
is registered, and uninstalling takes all of it away again.

This machine runs no 32-bit code, so the installer under test is the 64-bit build of the same
script (scripts/installer builds both); the shipped 32-bit one is checked for being an installer
of the same version."""

import re
import subprocess

import pefile
import pytest

import rig as rigmod
from pe_file import project_version, version_strings
from rig import REPO, wait_for

DESKTOP = r"HKCU\Control Panel\Desktop"
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselume"


def installer(suffix):
    return REPO / "build" / "installer" / f"tesselume-{project_version()}-setup{suffix}.exe"


@pytest.fixture(scope="module")
def prefix_rig(shared_rig, tmp_path_factory):
    for needed in (installer("-x64"), installer(""), REPO / "build" / "win32" / "tesselume.scr"):
        if not needed.is_file():
            pytest.skip(f"{needed} is missing: run scripts/installer first")
    _, template = shared_rig
    the_rig = rigmod.separate(template, tmp_path_factory.mktemp("installer"))
    yield the_rig
    the_rig.close()


def drive_c(the_rig):
    return the_rig.prefix.path / "drive_c"


def wine_output(the_rig, *args):
    """(exit code, standard output) of a Wine command; the output goes through a file, as a pipe
    may be held open by Wine's services."""
    out = the_rig.workdir / "wine_output.txt"
    with open(out, "wb") as sink:
        code = subprocess.run(["timeout", "-k", "5", "60", "wine", *args], env=the_rig.env,
                              stdin=subprocess.DEVNULL, stdout=sink, stderr=subprocess.DEVNULL).returncode
    return code, out.read_text(errors="replace")


def reg_values(the_rig, key):
    """name -> data of a registry key, or None when the key does not exist."""
    code, text = wine_output(the_rig, "reg", "query", key)
    if code != 0:
        return None
    values = {}
    for line in text.splitlines():
        parts = re.split(r"\s{4}", line.strip())
        if len(parts) == 3:
            values[parts[0]] = parts[2]
    return values


def install(the_rig):
    code, proc = the_rig.run(installer("-x64"), "/S", timeout=120)
    assert code == 0, proc.err()


def uninstall(the_rig):
    """Runs the registered uninstaller. It copies itself away and runs from there, so the first
    process ends at once; the work is done when its folder is gone, its last step."""
    command = reg_values(the_rig, UNINSTALL)["QuietUninstallString"]
    program = re.fullmatch(r'"([^"]+)" /S', command)[1]
    code, proc = the_rig.run(program, "/S", timeout=60)
    assert code == 0, proc.err()
    folder = drive_c(the_rig) / "Program Files" / "Tesselume"
    assert wait_for(lambda: not folder.exists(), 60), "the uninstaller did not finish"


def short_name(the_rig, folder, name):
    """The 8.3 form of folder\\name as `dir /x` lists it (Wine's short names are its own hashes)."""
    for line in wine_output(the_rig, "cmd", "/c", "dir", "/x", f"{folder}\\{name}")[1].splitlines():
        parts = line.split()
        if len(parts) >= 2 and parts[-1].lower() == name.lower():
            return f"{folder}\\{parts[-2]}".lower()
    return None


def test_install_then_uninstall(prefix_rig):
    system32 = drive_c(prefix_rig) / "windows" / "system32" / "tesselume.scr"
    syswow64 = drive_c(prefix_rig) / "windows" / "syswow64" / "tesselume.scr"
    install(prefix_rig)

    assert system32.read_bytes() == (REPO / "build" / "win64" / "tesselume.scr").read_bytes()
    assert syswow64.read_bytes() == (REPO / "build" / "win32" / "tesselume.scr").read_bytes()
    desktop = reg_values(prefix_rig, DESKTOP)
    # In the short form, as Windows' own Install command writes it.
    assert desktop["SCRNSAVE.EXE"].lower() == short_name(prefix_rig, r"C:\windows\system32", "tesselume.scr")
    assert "~" in desktop["SCRNSAVE.EXE"]
    assert desktop["ScreenSaveActive"] == "1"
    registered = reg_values(prefix_rig, UNINSTALL)
    assert registered["DisplayName"] == "Tesselume Screensaver"
    assert registered["DisplayVersion"] == project_version()
    assert registered["UninstallString"] == r'"C:\Program Files\Tesselume\uninstall.exe"'

    uninstall(prefix_rig)
    assert not system32.exists() and not syswow64.exists()
    assert reg_values(prefix_rig, UNINSTALL) is None
    assert "SCRNSAVE.EXE" not in reg_values(prefix_rig, DESKTOP)


def test_uninstall_keeps_a_saver_the_user_chose_since(prefix_rig):
    install(prefix_rig)
    other = r"C:\windows\system32\other.scr"
    prefix_rig.prefix.reg_add(DESKTOP, "SCRNSAVE.EXE", "REG_SZ", other)
    uninstall(prefix_rig)
    assert reg_values(prefix_rig, DESKTOP)["SCRNSAVE.EXE"] == other
    assert not (drive_c(prefix_rig) / "windows" / "system32" / "tesselume.scr").exists()


def test_shipped_installer_is_the_32_bit_build_of_the_same_version():
    shipped = installer("")
    if not shipped.is_file():
        pytest.skip(f"{shipped} is missing: run scripts/installer first")
    image = pefile.PE(str(shipped))
    assert image.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]
    assert version_strings(image)["ProductVersion"] == project_version()
