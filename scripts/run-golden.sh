#!/usr/bin/env bash
# Runs the stand-in host over every data file of a folder and prints what the plug-in reported. X.stimareas,
# X.expected, X.durations and X.host beside X.txt are not data files: the areas X is run with, and the outcomes
# X must show posing as the machine X.host names and on each machine (for the tests).
# Usage: run-golden.sh BUILD_DIR DATA_DIR RUN_DIR
#   BUILD_DIR  the build tree holding bin/datahook-runner and the plug-in (.exe and .dll for Windows)
#   DATA_DIR   the data files, taken in sorted order; X.stimareas beside X.txt holds X's stimulus areas
#   RUN_DIR    the host's working directory for the runs; emptied first, the reports end up below it
# All files go through one runner, as the host hands them over one run after another, each with the stimulus
# areas beside it when it has them. With DH_RUN_JUNIT=1 the plug-in also writes its dashboard JUnit report into
# RUN_DIR/junit, where the runner's summary is kept too (summary.txt), for CI to compare them.
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
[ -e "$runner" ] || runner="$runner.exe"  # a Windows build
# DH_RUNNER_LAUNCHER runs the runner through a program, such as wine64 for a Windows build.
read -r -a launcher <<<"${DH_RUNNER_LAUNCHER:-}"

if [ ! -x "$runner" ]; then
  echo "$0: $runner is missing; build first" >&2
  exit 2
fi
if [ ! -d "$data_dir" ]; then
  echo "$0: no data folder $data_dir" >&2
  exit 2
fi
rm -rf -- "$run_dir" && mkdir -p -- "$run_dir" || exit 2

data_files=()
while IFS= read -r -d '' file; do
  data_files+=("$file")
done < <(find "$data_dir" -mindepth 1 -maxdepth 1 -type f ! -name '.*' ! -name '*.stimareas' ! -name '*.expected' ! -name '*.durations' ! -name '*.host' -print0 | LC_ALL=C sort -z)

if [ ${#data_files[@]} -eq 0 ]; then
  echo "no data files in $data_dir; running the plug-in without any, to show the report it starts with"
fi
if [ "${DH_RUN_JUNIT:-0}" = 1 ]; then
  mkdir -p -- "$run_dir/junit" || exit 2
  "${launcher[@]}" "$runner" --workdir "$run_dir" --junit-dir "$run_dir/junit" --stim-areas-beside -- \
    "${data_files[@]}" | tee "$run_dir/junit/summary.txt"
  status=${PIPESTATUS[0]}
else
  "${launcher[@]}" "$runner" --workdir "$run_dir" --stim-areas-beside -- "${data_files[@]}"
  status=$?
fi
case $status in
  0) echo "no failures" ;;
  1) echo "failures reported; see the summary above" ;;
  *) echo "the run could not be made; see the messages above" ;;
esac
exit "$status"
