#!/bin/sh
# Runs a validator and passes only when it succeeds without a word on standard error:
# groff reports its warnings there and still exits 0. A validator that is not installed
# skips the test (exit 77) instead of failing it.
#   run_clean.sh TOOL [ARG...]
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed"; exit 77; }
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
"$@" 2>"$errors"
status=$?
cat "$errors" >&2
[ "$status" -eq 0 ] && [ ! -s "$errors" ]
