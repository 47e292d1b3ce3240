"""Installs a plimso build into a temporary prefix and checks what lands there.

    python3 check_install_tree.py BUILD_DIR [CMAKE]

Checks the tree file by file (nothing missing, nothing extra), the icons' pixel
sizes, the metainfo's release (the build's version, as project() in
CMakeLists.txt gives it), then runs desktop-file-validate and `appstreamcli validate --no-net` on
the desktop entry and the metainfo. Exit codes: 0 passed, 1 failed, 77 skipped
(the tree is right but a validator is not installed).
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIP = 77
APP_ID = "io.github.plimso.Plimso"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
DESKTOP = f"share/applications/{APP_ID}.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
SVG = f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"
PNGS = {size: f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in ICON_SIZES}
EXPECTED = {"bin/plimso", DESKTOP, METAINFO, SVG, *PNGS.values(), "share/man/man6/plimso.6",
            "share/doc/plimso/README.md", "share/doc/plimso/LICENSE"}


def png_size(path):
    """(width, height) from a PNG's IHDR chunk, or None for anything else."""
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    """The [Desktop Entry] group's keys and values."""
    values, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                values[key.strip()] = value.strip()
    return values


def project_version(build):
    """The version CMake gives the program, from the build folder's cache."""
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("CMAKE_PROJECT_VERSION:"):
                return line.split("=", 1)[1].strip()
    return None


def check_tree(prefix, version):
    problems = []
    found = set()
    for folder, _, files in os.walk(prefix):
        for name in files:
            found.add(os.path.relpath(os.path.join(folder, name), prefix))
    for path in sorted(EXPECTED - found):
        problems.append(f"missing: {path}")
    for path in sorted(found - EXPECTED):
        problems.append(f"not expected: {path}")

    exe = os.path.join(prefix, "bin/plimso")
    if os.path.isfile(exe):
        if not os.access(exe, os.X_OK):
            problems.append("bin/plimso is not executable")
        with open(exe, "rb") as f:
            if f.read(4) != b"\x7fELF":
                problems.append("bin/plimso is not an ELF executable")

    for size, rel in PNGS.items():
        path = os.path.join(prefix, rel)
        if os.path.isfile(path) and png_size(path) != (size, size):
            problems.append(f"{rel} is {png_size(path) or 'not a PNG'}, not {size}x{size}")

    svg = os.path.join(prefix, SVG)
    if os.path.isfile(svg):
        try:
            root = ET.parse(svg).getroot()
            if root.tag != "{http://www.w3.org/2000/svg}svg":
                problems.append(f"{SVG} is not an SVG document (root {root.tag})")
        except ET.ParseError as e:
            problems.append(f"{SVG} is not well-formed XML: {e}")

    desktop = os.path.join(prefix, DESKTOP)
    if os.path.isfile(desktop):
        entry = desktop_entry(desktop)
        wanted = {"Type": "Application", "Name": "plimso", "Exec": "plimso %f",
                  "Icon": APP_ID, "Terminal": "false"}
        for key, value in wanted.items():
            if entry.get(key) != value:
                problems.append(f"desktop entry: {key}={entry.get(key)!r}, wanted {value!r}")
        for key in ("GenericName", "Comment", "Name[zh_TW]", "Comment[zh_TW]", "Categories"):
            if not entry.get(key):
                problems.append(f"desktop entry: no {key}")
        if "MimeType" in entry:
            problems.append("desktop entry: has a MimeType line")

    metainfo = os.path.join(prefix, METAINFO)
    if os.path.isfile(metainfo):
        try:
            root = ET.parse(metainfo).getroot()
            launchable = root.find("launchable")
            if root.findtext("id") != APP_ID:
                problems.append(f"metainfo: id {root.findtext('id')!r}")
            if launchable is None or launchable.text != f"{APP_ID}.desktop":
                problems.append("metainfo: no launchable naming the desktop entry")
            release = root.find("releases/release")
            if release is None or release.get("version") != version:
                problems.append(f"metainfo: the latest release is not {version}")
        except ET.ParseError as e:
            problems.append(f"{METAINFO} is not well-formed XML: {e}")
    return problems


def validate(prefix):
    """Problems reported by the validators, or None when one is not installed."""
    tools = {"desktop-file-validate": [os.path.join(prefix, DESKTOP)],
             "appstreamcli": ["validate", "--no-net", os.path.join(prefix, METAINFO)]}
    for tool in tools:
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed (Debian package "
                  f"{'desktop-file-utils' if tool.startswith('desktop') else 'appstream'}), "
                  "so the installed files cannot be validated")
            return None
    problems = []
    for tool, args in tools.items():
        run = subprocess.run([tool, *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                             text=True)
        output = run.stdout.strip()
        print(f"$ {tool} {' '.join(args)}\n{output}" if output else f"$ {tool}: no remarks")
        if run.returncode != 0:
            problems.append(f"{tool} failed (exit {run.returncode})")
        elif tool == "desktop-file-validate" and ("error:" in output or "warning:" in output):
            problems.append(f"{tool} reported problems")
    return problems


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    build = sys.argv[1]
    cmake = sys.argv[2] if len(sys.argv) > 2 else "cmake"
    prefix = tempfile.mkdtemp(prefix="plimso-install-")
    try:
        run = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        print(run.stdout, end="")
        if run.returncode != 0:
            print(f"FAILED: cmake --install exited {run.returncode}")
            return 1
        problems = check_tree(prefix, project_version(build))
        if problems:
            print("\n".join(problems))
            print("FAILED: the installed tree is not right")
            return 1
        print(f"installed tree is right: {len(EXPECTED)} files")
        problems = validate(prefix)
        if problems is None:
            return SKIP
        if problems:
            print("\n".join(problems))
            print("FAILED: the installed files do not validate")
            return 1
        print("passed: installed tree and validators")
        return 0
    finally:
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
