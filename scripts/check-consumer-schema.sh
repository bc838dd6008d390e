#!/usr/bin/env bash
# Validates the reports of `make run` and `make run-faulty` against the build farm's JUnit schema, with the
# dashboard JUnit reports in their junit/ folders when the runs wrote them (DH_RUN_JUNIT=1).
# usage: check-consumer-schema.sh SCHEMA BUILD_DIR
# A missing schema is not an error (it lives outside this repository): the check says it skipped.
set -uo pipefail
schema=${1:?schema} build_dir=${2:?build directory}

if [ ! -f "$schema" ]; then
  echo "consumer schema: skipped, $schema does not exist"
  exit 0
fi
reports=()
for run in run run-faulty; do
  while IFS= read -r -d '' report; do reports+=("$report"); done \
    < <(find "$build_dir/$run" -name '*.xml' -type f -print0 2>/dev/null)
done
if [ ${#reports[@]} -eq 0 ]; then
  echo "consumer schema: no reports under $build_dir/run or $build_dir/run-faulty; run make run and make run-faulty first" >&2
  exit 1
fi
xmllint --noout --schema "$schema" "${reports[@]}" || { echo "consumer schema: reports do not validate" >&2; exit 1; }
dashboards=$(printf '%s\n' "${reports[@]}" | grep -c '/junit/' || true)
echo "consumer schema: ${#reports[@]} reports valid against $schema ($dashboards of them dashboard reports)"
