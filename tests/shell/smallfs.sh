#!/bin/sh
# Runs a test program with PLIMSO_SMALL_FS pointing at a 64 KiB tmpfs, mounted
# in a private mount namespace so that nothing is seen outside; read-only with
# --read-only. Needs root (CI runs as root); elsewhere the test reports itself
# skipped.
#   smallfs.sh [--read-only] PROGRAM [ARGS...]
options=size=64k
if [ "$1" = --read-only ]; then
    options=$options,ro
    shift
fi
if ! unshare -m true 2>/dev/null; then
    echo "SKIP: no private mount namespace here (unshare -m needs root)"
    exit 77
fi
exec unshare -m sh -c '
    options=$1; shift
    dir=$(mktemp -d) &&
    mount -t tmpfs -o "$options" plimso-small "$dir" &&
    PLIMSO_SMALL_FS="$dir" "$@"
    status=$?
    umount "$dir"; rmdir "$dir"
    exit $status' smallfs "$options" "$@"
