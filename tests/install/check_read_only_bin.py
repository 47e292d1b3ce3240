"""Installs a plimso build into a temporary prefix, mounts the prefix's bin/
read-only in a mount namespace of its own, and runs the installed program there
under the e2e harness: Test must write into the user's data folder.

    python3 check_read_only_bin.py BUILD_DIR CMAKE E2E_DIR

Needs root (or the right to make a mount namespace) for `unshare -m` and the
bind mount; without it the check reports itself skipped. Exit codes: 0 passed,
1 failed, 77 skipped (no mount namespace, or no X server or tool for the journey).
"""
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
JOURNEY = "read_only_program_folder"
PYTHON = "/usr/bin/python3"  # Debian's, which has pyatspi


def skip(reason):
    print(f"SKIP: {reason}")
    return SKIP


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    build, cmake, e2e = sys.argv[1:]
    for tool in ("unshare", "mount", "dbus-run-session"):
        if not shutil.which(tool):
            return skip(f"{tool} is not installed")
    if not os.access(PYTHON, os.X_OK):
        return skip(f"{PYTHON} is not installed")
    probe = subprocess.run(["unshare", "-m", "true"], stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, text=True)
    if probe.returncode != 0:
        return skip(f"no mount namespace can be made here (unshare -m: {probe.stdout.strip()})")

    prefix = tempfile.mkdtemp(prefix="plimso-install-")
    try:
        run = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            print(run.stdout, end="")
            print(f"FAILED: cmake --install exited {run.returncode}")
            return 1
        bin_dir = shlex.quote(os.path.join(prefix, "bin"))
        journey = [shutil.which("dbus-run-session"), "--", PYTHON, os.path.join(e2e, "run.py"),
                   "--app", os.path.join(prefix, "bin", "plimso"), "--journey", JOURNEY]
        # The mounts live and die with the namespace: nothing to undo afterwards.
        script = (f"mount --bind {bin_dir} {bin_dir} && mount -o remount,ro,bind {bin_dir} "
                  f"|| {{ echo 'SKIP: bin/ cannot be mounted read-only here'; exit {SKIP}; }}\n"
                  f"exec {shlex.join(journey)}")
        result = subprocess.run(["unshare", "-m", "--propagation", "private", "sh", "-c", script])
        return result.returncode
    finally:
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
