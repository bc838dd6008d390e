#!/usr/bin/env bash
# The installed tree on its own: README's install commands into a scratch prefix, the tree moved elsewhere, the
# moved runner on the golden corpus with no run path outside the tree; the archive's listing; then the site
# settings beside the installed plug-in and in the environment deciding which duration windows apply, and
# malformed settings leaving the compiled-in names in force with a message.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The fenced block after "<!-- checked: NAME -->" in README.md.
readme_block() {
  awk -v marker="<!-- checked: $1 -->" '$0 == marker { at = 1; next }
    at == 1 && /^```/ { at = 2; next } at == 2 && /^```/ { exit } at == 2 { print }' "$source_dir/README.md"
}

# README's commands run from a checkout: the build folder and the sources seen from the scratch folder.
mkdir "$scratch/checkout"
ln -s "$build_dir" "$scratch/checkout/build"
for entry in scripts testdata; do ln -s "$source_dir/$entry" "$scratch/checkout/$entry"; done
# The named blocks one after the other in one shell, HOME the scratch folder.
run_readme() {
  local script="" name
  for name in "$@"; do script+="$(readme_block "$name")"$'\n'; done
  (cd "$scratch/checkout" && HOME=$scratch bash -euo pipefail -c "$script")
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in the build's cache"
run_readme install-commands >"$scratch/install.out" 2>&1 || { cat "$scratch/install.out" >&2; fail "README's install commands"; }
grep -qx "datahook-runner (dh-AutomatedTesting) $version" "$scratch/install.out" || fail "runner's --version"
# One suite per experiment of the catalogue, and the printer's own first suite.
suites=$(($(grep -c -v -e '^#' -e '^$' "$source_dir/testdata/catalogue.tsv") + 1))
grep -qx "total: suites $suites, tests [0-9]*, failures 0" "$scratch/install.out" || fail "golden corpus from the install"

# Moved elsewhere, the tree still runs: the runner finds its SDK library and its plug-in relative to itself.
tree=$scratch/moved
mv "$scratch/dh-AutomatedTesting" "$tree"
for file in "$tree"/bin/* "$tree"/plugins/*; do
  readelf -d "$file" | grep -E 'R(UN)?PATH' | grep -qF -e "$build_dir" -e "$source_dir" && fail "$file has a run path into the tree"
done
[ "$("$tree/bin/tabulon-dump" --version)" = "tabulon-dump (dh-AutomatedTesting) $version" ] || fail "dump's --version"
"$source_dir/scripts/run-golden.sh" "$tree" "$source_dir/testdata/golden" "$scratch/run" >"$scratch/moved.out" 2>&1 ||
  fail "golden corpus from the moved tree: $(tail -n 3 "$scratch/moved.out")"

# The archive holds the tree under a versioned top folder.
cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/package" >/dev/null
top=dh-AutomatedTesting-$version-Linux
expected="$top/bin/datahook-runner $top/bin/libVNPlugInCommon.so $top/bin/tabulon-dump $top/plugins/dh-AutomatedTesting.so \
$top/share/doc/dh-AutomatedTesting/README.md"
listing=$(tar -tzf "$scratch/package/$top.tar.gz" | grep -v '/$' | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "$expected " ] || fail "archive listing: $listing"

# The golden file of this experiment exceeds host A's window (1000..1050 ms) but not the general one.
data_file="$source_dir/testdata/golden/2011-08-11_tessel_1618_NumberMemorytest.vn4 P01.txt"
ini=$tree/plugins/dh-AutomatedTesting.ini
# SETTINGS (file text, or "fifo"), VARIABLE=VALUE or -, the machine posed as, exit status, a line expected on
# standard output, a text expected on standard error.
check() {
  local settings=$1 variable=$2 host=$3 expected_status=$4 out_line=$5 err_text=$6 status=0 variables=()
  rm -f "$ini"
  if [ "$settings" = fifo ]; then mkfifo "$ini"; elif [ -n "$settings" ]; then printf '%b' "$settings" >"$ini"; fi
  [ "$variable" = - ] || variables=("$variable")
  env "${variables[@]}" DH_AUTOMATEDTESTING_TEST_HOST_NAME="$host" "$tree/bin/datahook-runner" \
    --workdir "$scratch/run" "$data_file" >"$scratch/out" 2>"$scratch/err" || status=$?
  local what="settings '$settings', $variable, posing as $host"
  [ "$status" = "$expected_status" ] || fail "$what: exit status $status: $(cat "$scratch/err")"
  [ -z "$out_line" ] || grep -qxF "$out_line" "$scratch/out" || fail "$what: no '$out_line' in: $(tail -n 1 "$scratch/out")"
  [ -n "$out_line" ] || ! grep -q '^site names:' "$scratch/out" || fail "$what: names other than the compiled-in ones"
  [ -z "$err_text" ] || grep -qF "$err_text" "$scratch/err" || fail "$what: no '$err_text' in: $(cat "$scratch/err")"
  [ -n "$err_text" ] || [ ! -s "$scratch/err" ] || fail "$what: unexpected message: $(cat "$scratch/err")"
}
tests_of_last_run() { sed -n 's/^total: suites [0-9]*, tests \([0-9]*\),.*/\1/p' "$scratch/out"; }
names() { echo "site names: build farm $1, host A $2, host B \"dh-lab-rig-b\" (compiled in)"; }
from_file='"site-pc" (dh-AutomatedTesting.ini)'
from_variable='"site-pc" (DH_AUTOMATEDTESTING_HOST_NAME_A)'
farm='"dh-buildfarm" (compiled in)'

check "" - site-pc-1 0 "" ""
plain_tests=$(tests_of_last_run)
check "host_name_a = site-pc\n" - site-pc-1 1 "$(names "$farm" "$from_file")" ""
check "host_name_a = site-pc\n" - dh-lab-rig-a 0 "$(names "$farm" "$from_file")" ""
check "" DH_AUTOMATEDTESTING_HOST_NAME_A=site-pc site-pc-1 1 "$(names "$farm" "$from_variable")" ""
check "; ours\nhost_name_a = other\n" DH_AUTOMATEDTESTING_HOST_NAME_A=site-pc site-pc-1 1 "$(names "$farm" "$from_variable")" ""
check "build_farm_host=site-ci\r\n" - SITE-CI-7 0 \
  "$(names '"site-ci" (dh-AutomatedTesting.ini)' '"dh-lab-rig-a" (compiled in)')" ""
[ "$(tests_of_last_run)" -lt "$plain_tests" ] || fail "the build farm's general windows were not left out"
check "host_name_a site-pc \n" - site-pc-1 0 "" "ignored, the compiled-in names hold: line 1: 'host_name_a site-pc' is not"
check "host_name_a = site*pc\n" - site-pc-1 0 "" "host_name_a: 'site*pc' is not a host name"
check "host_name_b = site*pc\n" - site-pc-1 0 "" "host_name_b: 'site*pc' is not a host name"
# Blanks before a key, and a name of capitals from A to Z, digits, '_' and '.'.
check "  host_name_b = SITE-PC-AZ_09.lab\n" - site-pc-1 0 \
  "site names: build farm $farm, host A \"dh-lab-rig-a\" (compiled in), host B \"SITE-PC-AZ_09.lab\" (dh-AutomatedTesting.ini)" ""
check "[site]\nhost_name_a = site-pc\n" - site-pc-1 0 "" "line 1: sections are not used"
check "host_nmae_a = site-pc\n" - site-pc-1 0 "" "line 1: unknown key 'host_nmae_a'"
check "host_name_a = a\nhost_name_a = site-pc\n" - site-pc-1 0 "" "line 2: 'host_name_a' is given twice"
check "host_name_a = \xff\n" - site-pc-1 0 "" "is not UTF-8 text"
check fifo - site-pc-1 0 "" "is not a plain file"
check "" "DH_AUTOMATEDTESTING_HOST_NAME_A=site pc" site-pc-1 0 "" \
  "DH_AUTOMATEDTESTING_HOST_NAME_A ignored: 'site pc' is not a host name"
# junit_dir in the settings turns the dashboard report on (a folder, not a host name: relative to the host's
# working directory, blanks and separators allowed).
check "junit_dir = dash boards/farm\n" - site-pc-1 0 "" ""
ls "$scratch/run/dash boards/farm/"dh-AutomatedTesting_*.xml >/dev/null 2>&1 || fail "junit_dir wrote no dashboard report"

# README's site configuration, run as shown, prints the names it shows.
run_readme install-commands configure-commands >"$scratch/configure.out" 2>&1 || fail "README's configure commands: $(cat "$scratch/configure.out")"
[ "$(tail -n 1 "$scratch/configure.out")" = "$(readme_block configure-output)" ] ||
  fail "README's configure output: $(tail -n 1 "$scratch/configure.out")"
echo "ok: installed, moved, packed and configured"
