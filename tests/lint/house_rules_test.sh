#!/bin/bash
# The house rules against two small trees: every declaration of testdata/house-rules/broken.txt is named by its file
# and line, and nothing else is; the same jobs written in each layer's style (kept.txt) pass.
# Usage: house_rules_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/dh-house-rules.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Writes the files of a tree kept as "=== path" lines, each followed by the file's lines, into a git work tree.
unpack() {
  local tree=$scratch/$1
  mkdir -p "$tree" && git -C "$tree" init -q
  awk -v root="$tree" '/^=== / { file = root "/" substr($0, 5); system("mkdir -p \"$(dirname \"" file "\")\""); next }
                       { print > file }' "$source_dir/testdata/house-rules/$1.txt"
  git -C "$tree" add -A
}

unpack broken
status=0
"$source_dir/scripts/check-house-rules.sh" "$scratch/broken" >"$scratch/broken.out" 2>&1 || status=$?
[ "$status" -eq 1 ] || { cat "$scratch/broken.out"; fail "the broken tree gave exit $status"; }
expected=(tools/datahook-runner/readers.h:3 tools/datahook-runner/readers.h:4 tools/datahook-runner/readers.h:5
  tools/datahook-runner/readers.h:6 tools/datahook-runner/readers.h:7 tools/hostkit/utf8text.h:2
  reporting/reportfiles.h:3 reporting/reportfiles.h:4 reporting/reportfiles.h:5 reporting/systemcode.cpp:1
  reporting/systemcode.cpp:2 verifiers/framework/wholenumbercells.h:2 tabulon/decodedlines.h:4
  tabulon/decodedlines.h:5 tabulon/decodedlines.h:8)
for location in "${expected[@]}"; do
  grep -q "^$location:" "$scratch/broken.out" || { cat "$scratch/broken.out"; fail "$location is not named"; }
done
named=$(grep -oE '^[a-z0-9/_.-]+\.(h|cpp):[0-9]+:' "$scratch/broken.out" | sort -u | wc -l)
[ "$named" -eq "${#expected[@]}" ] || { cat "$scratch/broken.out"; fail "$named places named, ${#expected[@]} broken"; }

unpack kept
"$source_dir/scripts/check-house-rules.sh" "$scratch/kept" >"$scratch/kept.out" 2>&1 ||
  { cat "$scratch/kept.out"; fail "the tree in each layer's style is refused"; }
echo "ok: the house rules name all ${#expected[@]} broken places and pass the kept tree"
