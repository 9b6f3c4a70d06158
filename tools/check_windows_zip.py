#!/usr/bin/env python3
"""Checks the Windows zip that cpack made in a build tree: one folder holding
the program, its copy as a screensaver, its seven libraries, config.ini, the
texture and the readme, nothing else, with the data files as they are in the
sources.
    tools/check_windows_zip.py BUILD_DIR"""
import pathlib
import re
import sys
import zipfile

LIBRARIES = ["Lexmoor", "Tactrel", "Corvane", "Shadrel", "Bastrel", "Vistrane", "Aurelix"]
PROGRAMS = ["Trovane.exe", "Trovane.scr"] + [name + ".dll" for name in LIBRARIES]
DATA = ["config.ini", "textures/morvex.jpg"]


def main(build: pathlib.Path) -> str:
    cache = (build / "CMakeCache.txt").read_text()
    version = re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.*)$", cache, re.M).group(1)
    source = pathlib.Path(re.search(r"^Trovane_SOURCE_DIR:\w+=(.*)$", cache, re.M).group(1))
    folder = f"Trovane-{version}-win64"
    package = build / f"{folder}.zip"
    if not package.is_file():
        return f"{package} is missing"
    with zipfile.ZipFile(package) as archive:
        files = {name for name in archive.namelist() if not name.endswith("/")}
        expected = {f"{folder}/{name}" for name in PROGRAMS + DATA + ["README.txt"]}
        if files != expected:
            return (f"{package.name}: missing {sorted(expected - files)}, "
                    f"unexpected {sorted(files - expected)}")
        for name in PROGRAMS:
            if archive.read(f"{folder}/{name}")[:2] != b"MZ":
                return f"{package.name}: {name} is not a Windows program or library"
        if archive.read(f"{folder}/Trovane.scr") != archive.read(f"{folder}/Trovane.exe"):
            return f"{package.name}: Trovane.scr is not a copy of Trovane.exe"
        for name in DATA:
            if archive.read(f"{folder}/{name}") != (source / name).read_bytes():
                return f"{package.name}: {name} differs from the sources' copy"
        if b"\r\n" not in archive.read(f"{folder}/README.txt"):
            return f"{package.name}: README.txt lacks Windows line ends"
    print(f"package: {package.name} holds {folder}/ with {', '.join(PROGRAMS)}, "
          f"{', '.join(DATA)} and README.txt")
    return ""


if __name__ == "__main__":
    failure = main(pathlib.Path(sys.argv[1]))
    if failure:
        sys.exit(f"package: {failure}")
