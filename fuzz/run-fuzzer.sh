#!/usr/bin/env bash
# Runs one libFuzzer target for SECONDS from a copy of its seed corpus (the
# seeds stay as they are) and fails on any crash, leak or timeout it finds.
#   run-fuzzer.sh FUZZER CORPUS_DIR SECONDS
set -uo pipefail
fuzzer="$1" corpus="$2" seconds="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/found"
cp -R "$corpus/." "$work/corpus/"
status=0
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/found/" \
  "$work/corpus" >"$work/log" 2>&1 || status=1
[ -z "$(ls -A "$work/found")" ] || status=1
if [ $status -eq 0 ]; then
  tail -12 "$work/log" # the final statistics
else
  cat "$work/log"
  echo "found: $(ls "$work/found")"
fi
exit $status
