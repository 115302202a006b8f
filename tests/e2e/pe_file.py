"""Reading what the project's PE files say about themselves, with python3-pefile."""

import re

from rig import REPO


def project_version():
    """The version the build stamps into its files, from the top CMakeLists.txt."""
    return re.search(r"project\(Tesselume VERSION (\d+\.\d+\.\d+)", (REPO / "CMakeLists.txt").read_text())[1]


def version_strings(image):
    """name -> value of a pefile.PE's version resource strings."""
    return {key.decode(): value.decode() for info in image.FileInfo[0] if hasattr(info, "StringTable")
            for table in info.StringTable for key, value in table.entries.items()}
