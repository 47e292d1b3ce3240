#!/usr/bin/env python3
"""Runs the real plimso with command lines that must end before any window:
help and version without a display, bad arguments with a usage message, no
display with a hint. Under the C locale these read as scripts expect them; under
a Traditional Chinese one they are Chinese throughout.

    check_command_line.py PATH_TO_PLIMSO VERSION

Bad arguments are given with DISPLAY naming a display that does not exist: a
program that went on to create its QApplication would fail on it instead of
printing the usage. A display or platform that does not answer, named on the
command line or in the environment, ends the run as no display does (exit 2,
no core dump), naming what was tried. Help and version must fail when stdout
cannot take them, a closed one included. VERSION is the one the build gives
the program (project() in CMakeLists.txt). Exit code 0 passed, 1 failed.
"""
import os
import re
import resource
import subprocess
import sys

USAGE = "Usage: plimso [options] [file]\n"
VERSION = None  # from the command line
C = {"LC_ALL": "C.UTF-8", "LANGUAGE": None}
ZH = {"LC_ALL": "zh_TW.UTF-8", "LANGUAGE": None}
NO_DISPLAY = {"DISPLAY": None, "WAYLAND_DISPLAY": None, "QT_QPA_PLATFORM": None, **C}
BOGUS_DISPLAY = {"DISPLAY": ":65000", "WAYLAND_DISPLAY": None, "QT_QPA_PLATFORM": None, **C}


def version_line(text):
    return text == f"plimso {VERSION}\n"


def chinese(*own):
    """Text in Chinese but for `own` words (names, options, commands), in that order."""
    def test(text):
        for word in own:
            text = text.replace(word, "")
        return re.search("[\u4e00-\u9fff]", text) and not re.search("[A-Za-z]", text)
    return test


# (arguments, environment changes, exit code, stdout test, stderr test)
CASES = [
    (["--help"], NO_DISPLAY, 0, lambda o: o.startswith(USAGE) and "--version" in o, ""),
    (["-h"], NO_DISPLAY, 0, lambda o: o.startswith(USAGE), ""),
    (["--version"], NO_DISPLAY, 0, version_line, ""),
    (["-v"], NO_DISPLAY, 0, version_line, ""),
    (["-platform", "offscreen", "--version"], NO_DISPLAY, 0, version_line, ""),
    (["a.txt", "b.txt"], BOGUS_DISPLAY, 2, "", lambda e: USAGE in e and "a.txt b.txt" in e),
    (["--frobnicate"], BOGUS_DISPLAY, 2, "", lambda e: USAGE in e and "frobnicate" in e),
    (["-q"], BOGUS_DISPLAY, 2, "", lambda e: USAGE in e),
    (["-platform"], BOGUS_DISPLAY, 2, "", lambda e: USAGE in e),
    (["-display", ":65000"], NO_DISPLAY, 2, "", lambda e: 'X display ":65000"' in e),
    (["--display=:65000"], NO_DISPLAY, 2, "", lambda e: 'X display ":65000"' in e),
    (["--platform=bogus"], NO_DISPLAY, 2, "", lambda e: 'platform "bogus"' in e),
    ([], BOGUS_DISPLAY, 2, "", lambda e: 'open the X display ":65000"' in e and "xvfb-run" in e),
    ([], {**NO_DISPLAY, "WAYLAND_DISPLAY": "plimso-none", "QT_QPA_PLATFORM": "wayland"}, 2, "",
     lambda e: 'Wayland display "plimso-none"' in e),
    (["--help"], {**NO_DISPLAY, **ZH}, 0,
     chinese("plimso", "-h, --help", "-v, --version", "Qt", "-platform", "-style", "-display"), ""),
    (["--frobnicate"], {**BOGUS_DISPLAY, **ZH}, 2, "", chinese("plimso", "frobnicate", "--help")),
    ([], {**NO_DISPLAY, **ZH}, 2, "",
     chinese("WAYLAND_DISPLAY", "DISPLAY", "xvfb-run -a", "Xvfb", "plimso")),
]

# Help and version to a stdout that takes nothing: a full device, or none.
FULL = "No space left on device"
CLOSED = "Bad file descriptor"
UNWRITABLE = [(["--version"], "/dev/full", FULL), (["--help"], "/dev/full", FULL),
              (["--version"], None, CLOSED), (["-h"], None, CLOSED)]


def one_line(reason):
    return lambda text: (text.startswith("plimso: ") and text.count("\n") == 1
                         and "standard output" in text and reason in text)


def matches(test, text):
    return test(text) if callable(test) else text == test


def main():
    global VERSION
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    app, VERSION = sys.argv[1:]
    cases = [(args, changes, code, out, err, subprocess.PIPE)
             for args, changes, code, out, err in CASES]
    cases += [(args, NO_DISPLAY, 1, "", one_line(reason), target)
              for args, target, reason in UNWRITABLE]
    failures = 0
    for args, changes, code, out_test, err_test, stdout in cases:
        env = dict(os.environ)
        for key, value in changes.items():
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value
        shown = f"plimso {' '.join(args)}" + ("" if stdout == subprocess.PIPE
                                                else f" >{stdout or '&-'}")
        out = open(stdout, "w") if isinstance(stdout, str) else stdout

        def child():  # no core file from an abort; stdout closed when wanted
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            if out is None:
                os.close(1)
        try:
            run = subprocess.run([app, *args], env=env, stdout=out, stderr=subprocess.PIPE,
                                 text=True, timeout=20, preexec_fn=child)
        except subprocess.TimeoutExpired:
            print(f"FAIL {shown}: still running after 20 s")
            failures += 1
            continue
        finally:
            if isinstance(stdout, str):
                out.close()
        ok = run.returncode == code and matches(out_test, run.stdout or "") \
            and matches(err_test, run.stderr)
        print(f"{'ok  ' if ok else 'FAIL'} {shown}: exit {run.returncode}")
        if not ok:
            print(f"  wanted exit {code}\n  stdout: {run.stdout!r}\n  stderr: {run.stderr!r}")
            failures += 1
    print("passed" if not failures else f"FAILED: {failures} of {len(cases)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
