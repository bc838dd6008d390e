#!/usr/bin/env bash
# Runs the fuzz targets of a DH_FUZZ build one after another, each for a bounded time, and prints how many
# inputs each executed. Fails when any target found something (crash, leak, timeout, sanitizer report).
#
# usage: fuzz/run-fuzz.sh BUILD_DIR SECONDS [TARGET...]
# FUZZ_MAX_LEN, FUZZ_RSS_MB and FUZZ_TIMEOUT override the input size limit, the memory limit and the per-input
# time limit. The corpus each target grows stays in BUILD_DIR/fuzz-corpus and is used again next time.
set -uo pipefail

build=$(cd "${1:?build directory}" && pwd)
seconds=${2:?seconds per target}
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
max_len=${FUZZ_MAX_LEN:-65536}
rss_mb=${FUZZ_RSS_MB:-2560}
timeout=${FUZZ_TIMEOUT:-60}
# The targets write their input as a file for every run (and the plug-in its report): keep that off the disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in text_parser_fuzzer inmemory_parser_fuzzer reader_fuzzer plugin_fuzzer; do
    [ -x "$build/bin/$t" ] && targets+=("$t")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets built in $build" >&2; exit 1; }

python3 "$source_dir/fuzz/make-corpus.py" "$build/fuzz-seeds" || exit 1
mkdir -p "$build/fuzz-logs" "$build/fuzz-artifacts"
ledger="$build/fuzz-logs/executions.tsv"

declare -A counts outcome
total=0
failed=0
for t in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$t"
  mkdir -p "$corpus"
  log="$build/fuzz-logs/$t.log"
  echo "fuzzing $t for ${seconds}s (log: $log)"
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:malloc_context_size=8} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
    "$build/bin/$t" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb="$rss_mb" -timeout="$timeout" \
      -print_final_stats=1 -workers=1 -artifact_prefix="$build/fuzz-artifacts/$t-" \
      "$corpus" "$build/fuzz-seeds/$t" >"$log" 2>&1
  status=$?
  count=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  [ -n "$count" ] || count=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -1)
  count=${count:-0}
  counts[$t]=$count
  total=$((total + count))
  if [ $status -eq 0 ]; then
    outcome[$t]=clean
  else
    outcome[$t]="FAILED (exit $status, see $log and $build/fuzz-artifacts)"
    failed=1
    grep -m3 -E "ERROR: |runtime error|fuzz check failed|ALARM|out-of-memory" "$log" | sed 's/^/    /'
  fi
  printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$t" "$seconds" "$count" "${outcome[$t]}" >>"$ledger"
done

echo
echo "executions per target:"
for t in "${targets[@]}"; do printf '  %-24s %12s  %s\n' "$t" "${counts[$t]}" "${outcome[$t]}"; done
printf '  %-24s %12s\n' "total" "$total"
exit $failed
