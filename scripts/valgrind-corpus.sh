#!/usr/bin/env bash
# Runs datahook-runner under valgrind over every golden and faulty data file: any memory error, or any block
# definitely lost, fails the run. Usage: valgrind-corpus.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mapfile -t files < <(find "$root/testdata/golden" "$root/testdata/faulty" -maxdepth 1 -type f -name '*.txt' | sort)
status=0
valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite --suppressions="$root/scripts/valgrind.supp" \
  "$build_dir/bin/datahook-runner" --workdir "$work" "${files[@]}" >"$work/summary.txt" 2>"$work/valgrind.txt" || status=$?
# The runner's own verdict (0 no failure, 1 failures) is not what is tested here; valgrind's 99 is.
if [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; then
  cat "$work/valgrind.txt" >&2
  echo "valgrind-corpus: exit status $status over ${#files[@]} data files" >&2
  exit 1
fi
echo "valgrind-corpus: ${#files[@]} data files, no memory error, no definite leak"
