#!/usr/bin/env bash
# Writes everything the data-file library and the plug-in produce for the test data into one folder, so that two
# builds can be compared with `diff -r`: the golden and faulty reports, diagnostics and dashboard reports (process
# ids, times, per-run tokens and the tree's folder blanked) and the tabulon-dump output of every test data file, through both parsers,
# plus a few files in unusual encodings and line-end styles made here.
# Usage: behaviour-snapshot.sh BIN_DIR OUT_DIR
#   BIN_DIR  a folder holding datahook-runner, dh-AutomatedTesting.so and tabulon-dump
#   OUT_DIR  emptied first; receives the snapshot
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BIN_DIR OUT_DIR" >&2
  exit 2
fi
bin_dir=$(cd "$1" && pwd) || exit 2
out_dir=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
rm -rf -- "$out_dir" && mkdir -p -- "$out_dir/dump" "$out_dir/reports" || exit 2
out_dir=$(cd "$out_dir" && pwd)
scratch=$(mktemp -d) || exit 2
trap 'rm -rf -- "$scratch"' EXIT

# Reports: one runner over each corpus, as `make run` and `make run-faulty` do; pids become "PID".
for corpus in golden faulty; do
  files=()
  while IFS= read -r -d '' file; do files+=("$file"); done < <(find "$source_dir/testdata/$corpus" -maxdepth 1 \
    -type f -name '*.txt' -print0 | LC_ALL=C sort -z)
  (cd "$scratch" && rm -rf run && mkdir run &&
    "$bin_dir/datahook-runner" --plugin "$bin_dir/dh-AutomatedTesting.so" --workdir run --stim-areas-beside \
      --junit-dir "$scratch/dashboard" -- "${files[@]}" >/dev/null 2>&1)
  echo "exit $?" >"$out_dir/reports/$corpus.status"
  # The dashboard report: times, process id, the name's random part and the source folder differ run to run.
  for report in "$scratch"/dashboard/*.xml; do
    sed -E 's/(time|timestamp)="[^"]*"/\1="T"/g; s/"process_id" value="[0-9]+"/"process_id" value="PID"/g
      s/measured: [0-9]+ ms/measured: N ms/g' "$report" | sed "s|$source_dir|SOURCE|g" \
      >"$out_dir/reports/$corpus.dashboard.xml"
  done
  rm -rf -- "$scratch/dashboard"
  for report in "$scratch"/run/scons-out/opt/tests/auto_experiment_tests/*; do
    # The diagnostics' stamp lines name this run: its tokens, and the size and hash of a report that holds the
    # process id.
    sed -E 's/[0-9]+(\.xml|\.dat)/PID\1/g; s/_pid_[0-9]+/_pid_PID/g
      s/^((host )?instance: )[0-9a-f]+$/\1TOKEN/; s/^report: [0-9]+ bytes, hash [0-9a-f]+$/report: N bytes, hash HASH/' "$report" |
      sed "s|$source_dir|SOURCE|g" \
      >"$out_dir/reports/$corpus.$(basename "$report" | sed -E 's/_[0-9]+\./_PID./')"
  done
done

# Files the corpora do not have: byte-order marks, UTF-16 and UTF-32, invalid UTF-8, NUL bytes, every line end.
odd="$scratch/odd"
mkdir -p "$odd"
python3 - "$odd" <<'EOF'
import sys, os
d = sys.argv[1]
head = "P1\nExp\n2026-01-01\nv\nBlock\tReaction\tWord\nName\tTime\t\n"
rows = "b1\t350\tcaf\u00e9 \u2603 \U0001F600\nb2\tabc\t\x01\x1bA\x7f\u0085\n"
text = head + rows
files = {
    "ascii.txt": (head + "b1\t350\tx\n").encode(),
    "utf8.txt": text.encode("utf-8"),
    "utf8-bom.txt": b"\xef\xbb\xbf" + text.encode("utf-8"),
    "utf16le-bom.txt": b"\xff\xfe" + text.encode("utf-16-le"),
    "utf16be-bom.txt": b"\xfe\xff" + text.encode("utf-16-be"),
    "utf32le-bom.txt": b"\xff\xfe\x00\x00" + text.encode("utf-32-le"),
    "utf32be-bom.txt": b"\x00\x00\xfe\xff" + text.encode("utf-32-be"),
    "latin1.txt": (head + "b1\t350\tcaf\xe9 na\xefve\n").encode("latin-1"),
    "overlong.txt": head.encode() + b"b1\t350\t\xc0\xaf\xe0\x80\xaf\n",
    "surrogate.txt": head.encode() + b"b1\t350\t\xed\xa0\x80\n",
    "truncated.txt": head.encode() + b"b1\t350\t\xe2\x98\n",
    "beyond.txt": head.encode() + b"b1\t350\t\xf4\x90\x80\x80\n",
    "nul.txt": head.encode() + b"b1\t3\x0050\tx\n",
    "crlf.txt": text.replace("\n", "\r\n").encode(),
    "cr.txt": text.replace("\n", "\r").encode(),
    "mixed.txt": (head.replace("\n", "\r\n") + "b1\t1\tx\rb2\t2\ty\n\rb3\t3\tz\r\n\n\n").encode(),
    "no-final-end.txt": text.rstrip("\n").encode(),
    "bom-only.txt": b"\xef\xbb\xbf",
    "utf16-bom-only.txt": b"\xff\xfe",
    "empty.txt": b"",
    "ef-start.txt": b"\xef" + text.encode(),
    "ff-start.txt": b"\xff" + text.encode(),
    "fe-start.txt": b"\xfe\xff\x00",
    "zero-start.txt": b"\x00\x00" + text.encode(),
    "six-lines.txt": head.encode(),
}
for name, data in files.items():
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)
EOF

dump_all() {
  local folder=$1 prefix=$2 file name
  while IFS= read -r -d '' file; do
    name=$prefix.$(basename "$file")
    for mode in text in-memory; do
      local flag=()
      [ "$mode" = in-memory ] && flag=(--in-memory)
      (cd "$(dirname "$file")" && "$bin_dir/tabulon-dump" "${flag[@]}" "$(basename "$file")") \
        2>&1 | sed -E 's/^[0-9]{2}:[0-9]{2}:[0-9]{2}: /TIME: /' >"$out_dir/dump/$name.$mode"
      echo "exit ${PIPESTATUS[0]}" >>"$out_dir/dump/$name.$mode"
    done
  done < <(find "$folder" -type f -name '*.txt' -print0 | LC_ALL=C sort -z)
}
for corpus in golden faulty fuzz-regressions; do dump_all "$source_dir/testdata/$corpus" "$corpus"; done
dump_all "$odd" odd
echo "snapshot in $out_dir: $(find "$out_dir" -type f | wc -l) files"
