#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints its figures.
set -euo pipefail
build=${1:-build}
for bench in "$build"/bench/*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
  echo
done
