#!/bin/sh
# Runs a test program with PLIMSO_SMALL_FS pointing at a 64 KiB tmpfs, mounted
# in a private mount namespace so that nothing is seen outside. Needs root (CI
# runs as root); elsewhere the test reports itself skipped.
#   smallfs.sh PROGRAM [ARGS...]
if ! unshare -m true 2>/dev/null; then
    echo "SKIP: no private mount namespace here (unshare -m needs root)"
    exit 77
fi
exec unshare -m sh -c '
    dir=$(mktemp -d) &&
    mount -t tmpfs -o size=64k plimso-small "$dir" &&
    PLIMSO_SMALL_FS="$dir" "$@"
    status=$?
    umount "$dir"; rmdir "$dir"
    exit $status' smallfs "$@"
