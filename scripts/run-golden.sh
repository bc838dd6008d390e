#!/usr/bin/env bash
# Runs the stand-in host over every data file of a folder and prints what the plug-in reported.
# Usage: run-golden.sh BUILD_DIR DATA_DIR RUN_DIR
#   BUILD_DIR  the build tree holding bin/datahook-runner and bin/dh-AutomatedTesting.so
#   DATA_DIR   the data files, taken in sorted order; X.stimareas beside X.txt holds X's stimulus areas
#   RUN_DIR    the host's working directory for the runs; emptied first, the reports end up below it
# Files without stimulus areas go through one runner in a row, as the host hands them over one run after
# another; a file with stimulus areas needs a runner of its own, since a runner takes one area file.
# Exit status: 0 when no run reported a failure, 1 when one did, 2 when a run could not be made at all.
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 BUILD_DIR DATA_DIR RUN_DIR" >&2
  exit 2
fi
build_dir=$1
data_dir=$2
run_dir=$3
runner="$build_dir/bin/datahook-runner"

if [ ! -x "$runner" ]; then
  echo "$0: $runner is missing; build first" >&2
  exit 2
fi
if [ ! -d "$data_dir" ]; then
  echo "$0: no data folder $data_dir" >&2
  exit 2
fi
rm -rf -- "$run_dir" && mkdir -p -- "$run_dir" || exit 2

worst=0
runs=0

# One runner invocation, announced by its first argument; keeps the worst exit status (2 over 1 over 0).
run() {
  local label=$1
  shift
  runs=$((runs + 1))
  echo "== run $runs: $label"
  "$runner" --workdir "$run_dir" "$@"
  local status=$?
  [ "$status" -gt "$worst" ] && worst=$status
  echo
  return 0
}

# X.txt's stimulus areas are in X.stimareas; only the last extension of the name is replaced.
stim_areas_of() {
  local name=${1##*/}
  [[ $name == ?*.* ]] && name=${name%.*}
  printf '%s/%s.stimareas' "$(dirname -- "$1")" "$name"
}

data_files=()
while IFS= read -r -d '' file; do
  data_files+=("$file")
done < <(find "$data_dir" -mindepth 1 -maxdepth 1 -type f ! -name '.*' ! -name '*.stimareas' -print0 | LC_ALL=C sort -z)

if [ ${#data_files[@]} -eq 0 ]; then
  echo "no data files in $data_dir; running the plug-in without any, to show the report it starts with"
  run "no data files"
else
  # Consecutive files without stimulus areas share a runner, so the folder's order is kept throughout.
  batch=()
  flush_batch() {
    [ ${#batch[@]} -eq 0 ] && return 0
    run "${#batch[@]} data file(s)" -- "${batch[@]}"
    batch=()
  }
  for file in "${data_files[@]}"; do
    stim=$(stim_areas_of "$file")
    if [ -f "$stim" ]; then
      flush_batch
      run "${file##*/} with stimulus areas from ${stim##*/}" --stim-areas "$stim" -- "$file"
    else
      batch+=("$file")
    fi
  done
  flush_batch
fi

case $worst in
  0) echo "all $runs run(s) passed" ;;
  1) echo "failures reported; see the summaries above" ;;
  *) echo "at least one run could not be made; see the messages above" ;;
esac
exit "$worst"
