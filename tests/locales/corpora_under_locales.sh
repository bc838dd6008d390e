#!/usr/bin/env bash
# The same verdict under every locale: the golden and faulty corpora through the runner, which adopts the
# environment's locale as a desktop host does, under C and then under a German, a Turkish and a right-to-left
# locale, each adopted before the plug-in loads (LC_ALL) and after it (a preloaded library that adopts it once
# the library is loaded). The report, the diagnostics (but for their per-run stamp), the dashboard report (but
# for its times and timestamps) and the runner's summary must be those of the C locale byte for byte. Then the
# build farm is recognised by its host name in upper and in lower case under each locale.
# Usage: corpora_under_locales.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
after_load=$build_dir/bin/dh-localeafterload.so
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
locales=(de_DE.UTF-8 tr_TR.UTF-8 he_IL.UTF-8)
for l in "${locales[@]}"; do
  LC_ALL=$l locale 2>&1 | grep -q 'Cannot set' && fail "locale $l is not installed (scripts/install-deps.sh generates it)"
done

# Everything a run left, with what differs from run to run made the same: process ids, the diagnostics' stamp,
# the dashboard report's name, times and timestamps.
normalised() {
  local run=$1 file
  for file in "$run"/scons-out/opt/tests/auto_experiment_tests/*.{xml,diagnostics.txt}; do
    echo "--- ${file##*/}" && sed -E '/^(instance|host instance|report): /d' "$file"
  done
  for file in "$run"/junit/*; do
    echo "--- ${file##*/}" && sed -E 's/ (time|timestamp)="[^"]*"/ \1="T"/g' "$file"
  done
}

# The run's folder, the process id in report names, suite names and the dashboard's properties; the dashboard
# report's name.
general() {
  sed -E -e "s#$scratch/[^/]*/#RUN/#g" -e 's/(_pid_|Running_|"process_id" value=")[0-9]+/\1PID/g' \
    -e 's/dh-AutomatedTesting_[^ /]*_[0-9]+_[0-9a-f]{16}\.xml/dh-AutomatedTesting_HOST_PID_RANDOM.xml/g'
}

# RUN_NAME LC_ALL-value [PRELOAD]: the corpus run into $scratch/RUN_NAME, its normalised outcome beside it.
run_corpus() {
  local name=$1 locale=$2 preload=${3:-} folder
  for folder in golden faulty; do
    env LC_ALL="$locale" ${preload:+LD_PRELOAD="$preload"} DH_RUN_JUNIT=1 \
      "$source_dir/scripts/run-golden.sh" "$build_dir" "$source_dir/testdata/$folder" "$scratch/$name-$folder" \
      >/dev/null 2>"$scratch/$name-$folder.err" || [ $? -le 1 ] || fail "$name $folder: $(cat "$scratch/$name-$folder.err")"
    ! grep -i 'assert' "$scratch/$name-$folder.err" || fail "$name $folder: an assertion on standard error"
    { normalised "$scratch/$name-$folder" && echo "--- standard error" && cat "$scratch/$name-$folder.err"; } |
      general >"$scratch/$name-$folder.txt"
  done
}

run_corpus C C
grep -q 'Instead, we got 0\.' "$scratch/C-faulty.txt" || fail "no fraction in the faulty corpus's reports to compare"
for l in "${locales[@]}"; do
  for when in before after; do
    run_corpus "$l-$when" "$l" "$([ $when = after ] && echo "$after_load")"
    for folder in golden faulty; do
      diff -u "$scratch/C-$folder.txt" "$scratch/$l-$when-$folder.txt" | head -20 >"$scratch/diff" || true
      [ ! -s "$scratch/diff" ] || fail "$folder corpus under $l, adopted $when the plug-in loads:
$(cat "$scratch/diff")"
    done
  done
done

# On the build farm the general windows of this experiment are left out, and the file fails the farm's window.
data_file="$source_dir/testdata/golden/2014-06-16_sync_trials.vn5 P01.txt"
for l in C "${locales[@]}"; do
  for host in DH-BUILDFARM-07 dh-buildfarm-07 Ci-Dh-BuildFarm; do
    status=0
    (cd "$scratch" && LC_ALL=$l DH_AUTOMATEDTESTING_TEST_HOST_NAME=$host "$build_dir/bin/datahook-runner" \
      --workdir farm "$data_file" >/dev/null 2>&1) || status=$?
    [ "$status" = 1 ] || fail "posing as $host under $l: exit $status where the build farm's window fails"
  done
done
echo "ok: the corpora's outcomes under ${locales[*]}, before and after the plug-in loads, are the C locale's"
