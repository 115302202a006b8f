"""What the two executables say about themselves in their PE files, read without running them
(the 32-bit one cannot run here): only Windows' own DLLs at load time, the hardening flags, and
the resources by which Windows names and treats the program."""

import xml.etree.ElementTree as ET

import pefile
import pytest

from pe_file import project_version, version_strings
from rig import REPO

# Windows maps these from its own folder whatever lies beside a program (the KnownDLLs list of
# Windows 7 and later), so a load-time import of one cannot be planted. OpenGL and the MinGW
# run-time DLLs are not among them: GLFW loads opengl32.dll at run time, the rest is static.
KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "combase.dll", "comdlg32.dll", "gdi32.dll", "gdiplus.dll",
    "imagehlp.dll", "imm32.dll", "kernel32.dll", "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll",
    "ole32.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shcore.dll",
    "shell32.dll", "shlwapi.dll", "user32.dll", "wldap32.dll", "ws2_32.dll",
}

DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA = 0x0040, 0x0100, 0x0020
RT_STRING, RT_VERSION, RT_MANIFEST = 6, 16, 24
WINDOWS_10_ID = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


@pytest.fixture(params=["win64", "win32"])
def pe(request):
    exe = REPO / "build" / request.param / "tesselume.scr"
    if not exe.is_file():
        pytest.skip(f"build/{request.param}/tesselume.scr is missing: run scripts/build {request.param} first")
    image = pefile.PE(str(exe))
    yield image
    image.close()


def resource(pe, kind, ident):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == kind:
            for named in entry.directory.entries:
                if named.id == ident:
                    return named
    return None


def resource_bytes(pe, kind, ident):
    language = resource(pe, kind, ident).directory.entries[0]
    return pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)


def test_imports_only_dlls_windows_maps_itself(pe):
    names = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    assert names, "no import table found"
    assert names <= KNOWN_DLLS, f"imported from outside Windows' known DLLs: {names - KNOWN_DLLS}"
    assert not hasattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT"), "delay-loaded DLLs are searched for too"


def test_hardening_flags(pe):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    assert flags & DYNAMIC_BASE and flags & NX_COMPAT
    assert pe.has_relocs(), "ASLR needs the relocations to move the image"
    if pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        assert flags & HIGH_ENTROPY_VA


def string_block(data):
    """The 16 strings of a string-table block: each a 16-bit length, then that many UTF-16 units."""
    strings, at = [], 0
    for _ in range(16):
        length = int.from_bytes(data[at:at + 2], "little")
        strings.append(data[at + 2:at + 2 + 2 * length].decode("utf-16-le"))
        at += 2 + 2 * length
    return strings


def test_display_name_is_string_one(pe):
    # Strings 0 to 15 make block 1.
    assert resource(pe, RT_STRING, 1) is not None, "no string table"
    assert string_block(resource_bytes(pe, RT_STRING, 1))[1] == "Tesselume"


def test_version_information(pe):
    version = project_version()
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16]
    assert numbers == [int(n) for n in version.split(".")]
    strings = version_strings(pe)
    assert strings["ProductName"] == "Tesselume"
    assert strings["OriginalFilename"] == "tesselume.scr"
    assert strings["FileDescription"] == "Tesselume Screensaver"
    assert strings["FileVersion"] == strings["ProductVersion"] == version


def test_manifest(pe):
    assert resource(pe, RT_MANIFEST, 1) is not None, "no manifest 1"
    # A manifest Windows cannot parse stops the program from starting at all.
    root = ET.fromstring(resource_bytes(pe, RT_MANIFEST, 1))
    found = {element.tag.split("}")[1]: element for element in root.iter()}
    assert found["requestedExecutionLevel"].get("level") == "asInvoker"
    assert WINDOWS_10_ID in {e.get("Id") for e in root.iter() if e.tag.endswith("supportedOS")}
    assert found["dpiAware"].text.strip() == "true/pm"
    assert found["dpiAwareness"].text.split(",")[0].strip() == "PerMonitorV2"
    assert found["assemblyIdentity"].get("version") == project_version() + ".0"
