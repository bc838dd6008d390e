#!/usr/bin/env bash
# Cross-builds the SDK substitute, the plug-in and the tools for Windows with MinGW-w64 and runs them under
# Wine: the golden corpus must pass, and both corpora must give the same reports as the Linux build
# (apart from the process id and the line ends), the zip of `make package` must run the golden corpus once
# unpacked elsewhere and read the site settings beside its plug-in, a data file whose name holds characters outside ASCII and
# outside the BMP must reach its verifier, the dashboard report must reach a folder named so in each of the ways it is
# asked for, and the unit tests that need nothing Linux-only must pass.
# Usage: test-windows.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."

linux_build=$1
windows_build=$2

scripts/build-windows.sh "$windows_build"
bin=$windows_build/bin

# Only the factory leaves the plug-in.
exports=$(x86_64-w64-mingw32-objdump -p "$bin/dh-AutomatedTesting.dll" |
          sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | tail -n +2 | awk 'NF { print $NF }')
if [ "$exports" != "VNSdkGetObjectPtr" ]; then
  echo "FAIL: the plug-in exports: $exports" >&2
  exit 1
fi
echo "ok: the plug-in exports VNSdkGetObjectPtr only"

scratch=$(mktemp -d)
trap 'WINEPREFIX=$scratch/prefix wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1

# Both runners over one corpus; the reports must match once the process id and the line ends are set aside.
compare_corpus() {
  local name=$1 expected_status=$2
  local linux_out=$scratch/linux-$name.out windows_out=$scratch/windows-$name.out status=0
  scripts/run-golden.sh "$linux_build" "testdata/$name" "$scratch/linux-$name" >"$linux_out" 2>&1 || true
  DH_RUNNER_LAUNCHER=wine scripts/run-golden.sh "$windows_build" "testdata/$name" "$scratch/windows-$name" \
    >"$windows_out" 2>&1 || status=$?
  sed -i 's/\r$//' "$windows_out"  # console text has CR LF line ends on Windows
  if [ "$status" -ne "$expected_status" ]; then
    echo "FAIL: $name corpus under Wine ended with status $status" >&2
    tail -n 20 "$windows_out" >&2
    exit 1
  fi
  python3 scripts/compare-reports.py "$scratch/linux-$name" "$scratch/windows-$name"
}
compare_corpus golden 0
# One suite per experiment of the catalogue, and the printer's own first suite.
experiments=$(grep -c -v -e '^#' -e '^$' testdata/catalogue.tsv)
grep -q "^total: suites $((experiments + 1)), tests [0-9]*, failures 0$" "$scratch/windows-golden.out" ||
  { echo "FAIL: the golden corpus did not give $experiments verifier suites without failure" >&2; exit 1; }
echo "ok: golden corpus under Wine: $(grep '^total:' "$scratch/windows-golden.out")"
compare_corpus faulty 1
echo "ok: faulty corpus under Wine: $(grep '^total:' "$scratch/windows-faulty.out"), the same as on Linux"

# The zip of `make package`, unpacked elsewhere, runs the golden corpus on its own: every DLL it needs is in it.
scripts/package.sh "$linux_build" "$windows_build" "$scratch/dist" >/dev/null
zips=("$scratch"/dist/*.zip)
python3 -m zipfile -e "${zips[0]}" "$scratch/unzipped"
unpacked=$scratch/unzipped/$(basename "${zips[0]}" .zip)
chmod +x "$unpacked"/bin/*.exe  # the extractor keeps no Unix modes; run-golden.sh wants the runner executable
status=0
DH_RUNNER_LAUNCHER=wine scripts/run-golden.sh "$unpacked" testdata/golden "$scratch/zip-golden" 2>&1 | tr -d '\r' \
  >"$scratch/zip-golden.out" || status=$?
if [ "$status" -ne 0 ] || ! grep -q "^total: suites $((experiments + 1)), tests [0-9]*, failures 0$" "$scratch/zip-golden.out"; then
  tail -n 20 "$scratch/zip-golden.out" >&2
  echo "FAIL: the golden corpus did not pass from the unpacked $(basename "${zips[0]}") under Wine" >&2
  exit 1
fi
echo "ok: golden corpus from the unpacked $(basename "${zips[0]}") under Wine: $(grep '^total:' "$scratch/zip-golden.out")"

# Site settings beside the unpacked plug-in DLL: naming host A puts its window (exceeded here) in force.
printf 'host_name_a = site-pc\r\n' >"$unpacked/plugins/dh-AutomatedTesting.ini"
status=0
DH_AUTOMATEDTESTING_TEST_HOST_NAME=site-pc-1 wine "$unpacked/bin/datahook-runner.exe" --workdir "$scratch/site" \
  "testdata/golden/2011-08-11_tessel_1618_NumberMemorytest.vn4 P01.txt" 2>&1 | tr -d '\r' >"$scratch/site.out" || status=$?
if [ "$status" -ne 1 ] || ! grep -q '^site names: .*host A "site-pc" (dh-AutomatedTesting.ini)' "$scratch/site.out"; then
  cat "$scratch/site.out" >&2
  echo "FAIL: the site settings beside the plug-in DLL were not in force under Wine" >&2
  exit 1
fi
echo "ok: the site settings beside the plug-in DLL name host A under Wine"

# A name with a character outside ASCII and one outside the BMP; the name's first word picks the verifier.
golden_files=(testdata/golden/*.txt)
golden_file=${golden_files[0]}
experiment=$(basename "$golden_file" | cut -d ' ' -f 1)
unusual="$scratch/unusual/$experiment Gr$(printf '\xc3\xbc\xc3\x9f')e $(printf '\xf0\x9f\x98\x80').txt"
mkdir -p "$scratch/unusual"
cp "$golden_file" "$unusual"
(cd "$scratch/unusual" && wine "$OLDPWD/$bin/datahook-runner.exe" --workdir run -- "$(basename "$unusual")" |
  tr -d '\r') >"$scratch/unusual.out" 2>&1 || true
if ! grep -q "^suite $experiment" "$scratch/unusual.out" ||
   ! grep -q "^total: .*, failures 0$" "$scratch/unusual.out"; then
  cat "$scratch/unusual.out" >&2
  echo "FAIL: the unusual name did not reach its verifier, or did not pass it" >&2
  exit 1
fi
echo "ok: '$(basename "$unusual")' reached the verifier of $experiment under Wine"

# The dashboard report into a folder named beyond ASCII and the BMP, asked for in each of the three ways; then into a
# folder a file stands in for: the whole summary, the line that it was withheld, exit 2.
folder="Gr$(printf '\xc3\xbc\xc3\x9f')e $(printf '\xf0\x9f\x98\x80')"
golden_path=$(cd "$(dirname "$golden_file")" && pwd)/$(basename "$golden_file")
dashboard_run() {  # EXPECTED_STATUS NAME [VARIABLE=VALUE...] -- [RUNNER ARGUMENTS...]
  local expected=$1 name=$2 status=0
  shift 2
  local variables=()
  while [ "$1" != -- ]; do variables+=("$1"); shift; done
  shift
  mkdir -p "$scratch/$name"
  (cd "$scratch/$name" && env "${variables[@]}" wine "$unpacked/bin/datahook-runner.exe" "$@" -- "$golden_path" |
    tr -d '\r') >"$scratch/$name.out" 2>&1 || status=$?
  if [ "$status" -ne "$expected" ]; then
    cat "$scratch/$name.out" >&2
    echo "FAIL: the dashboard run '$name' under Wine ended with status $status" >&2
    exit 1
  fi
}
rm -f "$unpacked/plugins/dh-AutomatedTesting.ini"
dashboard_run 0 dashboard-option -- --junit-dir "$folder"
dashboard_run 0 dashboard-variable "DH_AUTOMATEDTESTING_JUNIT_DIR=$folder" --
printf 'junit_dir = %s\r\n' "$folder" >"$unpacked/plugins/dh-AutomatedTesting.ini"
dashboard_run 0 dashboard-settings --
for way in option variable settings; do
  reports=("$scratch/dashboard-$way/$folder"/dh-AutomatedTesting_*.xml)
  if [ ! -f "${reports[0]}" ] || ! grep -q "^junit report: .*$folder" "$scratch/dashboard-$way.out"; then
    cat "$scratch/dashboard-$way.out" >&2
    echo "FAIL: asked for by its $way, the dashboard report did not reach '$folder' under Wine" >&2
    exit 1
  fi
done
printf 'junit_dir = occupied\r\n' >"$unpacked/plugins/dh-AutomatedTesting.ini"
mkdir -p "$scratch/dashboard-withheld" && echo >"$scratch/dashboard-withheld/occupied"
dashboard_run 2 dashboard-withheld --
if ! grep -q "^total: " "$scratch/dashboard-withheld.out" ||
   ! grep -q "^junit report withheld: the plug-in wrote none to occupied" "$scratch/dashboard-withheld.out"; then
  cat "$scratch/dashboard-withheld.out" >&2
  echo "FAIL: a dashboard report that could not be written was not told after the summary under Wine" >&2
  exit 1
fi
rm -f "$unpacked/plugins/dh-AutomatedTesting.ini"
echo "ok: the dashboard report reached '$folder' by option, variable and settings file, and was told as withheld \
when it could not be written, under Wine"

# The test programs run side by side under the one Wine prefix, each in its own work folder.
ctest --test-dir "$windows_build" --output-on-failure -j "${JOBS:-$(nproc)}"
