#!/usr/bin/env bash
# Runs the fuzz targets of a DH_FUZZ build, each for a bounded time, as many at once as there are cores, and
# prints how many inputs each executed. Fails when any target found something (crash, leak, timeout, sanitizer
# report).
#
# usage: fuzz/run-fuzz.sh BUILD_DIR SECONDS [TARGET...]
# FUZZ_JOBS (the number of cores), FUZZ_MAX_LEN, FUZZ_RSS_MB and FUZZ_TIMEOUT override how many targets run at
# once, the input size limit, the memory limit and the per-input time limit. The corpus each target grows stays in
# BUILD_DIR/fuzz-corpus and is used again next time.
set -uo pipefail

build=$(cd "${1:?build directory}" && pwd)
seconds=${2:?seconds per target}
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# A kilobyte holds the header, the headings and the first rows of most data files, which is where the parsers
# branch; huge files and wide rows are the bad-input table's business, and would cut the rate a hundredfold.
max_len=${FUZZ_MAX_LEN:-1024}
jobs=${FUZZ_JOBS:-$(nproc)}
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

# One target: run it, then leave "count<TAB>outcome" in its result file and a line in the ledger.
run_target() {
  local t=$1 corpus="$build/fuzz-corpus/$1" log="$build/fuzz-logs/$1.log" status count outcome
  mkdir -p "$corpus"
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
  if [ $status -eq 0 ]; then
    outcome=clean
  else
    outcome="FAILED (exit $status, see $log and $build/fuzz-artifacts)"
    grep -m3 -E "ERROR: |runtime error|fuzz check failed|ALARM|out-of-memory" "$log" | sed "s/^/    $t: /"
  fi
  printf '%s\t%s\n' "$count" "$outcome" >"$build/fuzz-logs/$t.result"
  printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$t" "$seconds" "$count" "$outcome" >>"$ledger"
}

for t in "${targets[@]}"; do
  rm -f "$build/fuzz-logs/$t.result"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_target "$t" &
done
wait

declare -A counts outcome
total=0
failed=0
for t in "${targets[@]}"; do
  IFS=$'\t' read -r count result <"$build/fuzz-logs/$t.result" || { count=0; result="FAILED (no result)"; }
  counts[$t]=$count
  outcome[$t]=$result
  total=$((total + count))
  [ "$result" = clean ] || failed=1
done

echo
echo "executions per target:"
for t in "${targets[@]}"; do printf '  %-24s %12s  %s\n' "$t" "${counts[$t]}" "${outcome[$t]}"; done
printf '  %-24s %12s\n' "total" "$total"

# The ledger keeps every run made in this build directory, so the figures add up across sessions.
echo
echo "all runs in $ledger:"
awk -F'\t' '{ runs[$2]++; sum[$2] += $4; if ($5 != "clean") bad[$2]++; all += $4 }
  END { for (t in runs) printf "  %-24s %12d  in %d runs, %d not clean\n", t, sum[t], runs[t], bad[t] + 0
        printf "  %-24s %12d\n", "total", all }' "$ledger"
exit $failed
