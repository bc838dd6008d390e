#!/usr/bin/env bash
# Builds everything with clang and libc++ (the compiler and standard library of the macOS toolchain), warnings
# as errors, runs the whole test suite but valgrind, and compares with the g++ build: the golden and faulty
# corpora must give the same reports byte for byte (the process ids set aside), and tabulon-dump the same
# output and exit status for every file of testdata/tabulon through both parsers.
# Usage: test-libcxx.sh GXX_BUILD_DIR LIBCXX_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."

gxx_build=$1
libcxx_build=$2
jobs=${JOBS:-$(nproc)}

WITH_LIBCXX=1 scripts/install-deps.sh
prefix=$(scripts/build-wx-libcxx.sh)

# The toolkit, GoogleTest and Google Benchmark come from the prefix (CMake searches it first); its libraries
# are found at run time through the run path, never the system's libstdc++ builds of them.
cmake -S . -B "$libcxx_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDH_WERROR=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
  -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ -DCMAKE_SHARED_LINKER_FLAGS=-stdlib=libc++ \
  -DCMAKE_MODULE_LINKER_FLAGS=-stdlib=libc++ -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_RPATH="$prefix/lib" \
  -DwxWidgets_CONFIG_EXECUTABLE="$prefix/bin/wx-config"
cmake --build "$libcxx_build" -j "$jobs"

# No program or library of the build may need libstdc++ itself, and the toolkit it loads must be the one built
# with libc++. (libxml2 has a C interface; the C++ libraries behind it may load libstdc++ on their own.)
mixed=0
for binary in "$libcxx_build"/bin/*; do
  if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then continue; fi
  needed=$(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  toolkit=$(ldd "$binary" | grep 'libwx_base' || true)
  if grep -q '^libstdc++' <<<"$needed" || ! grep -q '^libc++\.so' <<<"$needed" ||
     { [ -n "$toolkit" ] && grep -vq "=> $prefix/lib/" <<<"$toolkit"; }; then
    echo "FAIL: $binary does not need libc++ and the toolkit built with it alone:" >&2
    echo "$needed" "$toolkit" >&2
    mixed=1
  fi
done
[ "$mixed" -eq 0 ] || exit 1
echo "ok: every program and library of $libcxx_build needs libc++ and the toolkit built with it, not libstdc++"

# Valgrind aside: it checks the memory handling of the code, which the g++ build's run covers.
(cd "$libcxx_build" && ctest --output-on-failure -j "$jobs" -E '^ValgrindCorpus$')

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Both builds' runners over one corpus; the reports must match once the process ids are set aside.
without_pids() { sed -E 's/_pid_[0-9]+/_pid_N/g' "$@"; }
compare_corpus() {
  local name=$1 expected_status=$2 build status run found reports=()
  for build in "$gxx_build" "$libcxx_build"; do
    run=$scratch/$name-$(basename "$build")
    status=0
    scripts/run-golden.sh "$build" "testdata/$name" "$run" >"$run.out" 2>&1 || status=$?
    if [ "$status" -ne "$expected_status" ]; then
      echo "FAIL: the $name corpus through $build ended with status $status" >&2
      tail -n 20 "$run.out" >&2
      exit 1
    fi
    found=("$run"/scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_*.xml)
    if [ ${#found[@]} -ne 1 ] || [ ! -f "${found[0]}" ]; then
      echo "FAIL: expected one report in $run" >&2
      exit 1
    fi
    reports+=("${found[0]}")
  done
  if ! cmp -s <(without_pids "${reports[0]}") <(without_pids "${reports[1]}"); then
    echo "FAIL: the $name corpus's reports of $gxx_build and $libcxx_build differ:" >&2
    diff <(without_pids "${reports[0]}") <(without_pids "${reports[1]}") | head -n 20 >&2
    exit 1
  fi
  echo "ok: the $name corpus's reports match ($(wc -c <"${reports[0]}") bytes, $(grep '^total:' "$run.out"))"
}
compare_corpus golden 0
compare_corpus faulty 1

# Every dump of both builds' tabulon-dump, with its exit status, through the text and the in-memory parser.
dump_all() {
  local file options
  for file in testdata/tabulon/*.txt; do
    for options in "" "--in-memory"; do
      echo "== $file $options"
      "$1/bin/tabulon-dump" $options "$file" 2>&1 && echo "exit 0" || echo "exit $?"
    done
  done
}
dump_all "$gxx_build" >"$scratch/dumps-gxx"
dump_all "$libcxx_build" >"$scratch/dumps-libcxx"
if ! cmp -s "$scratch/dumps-gxx" "$scratch/dumps-libcxx"; then
  echo "FAIL: tabulon-dump of $gxx_build and $libcxx_build differ over testdata/tabulon:" >&2
  diff "$scratch/dumps-gxx" "$scratch/dumps-libcxx" | head -n 20 >&2
  exit 1
fi
echo "ok: tabulon-dump gives the same output for the $(grep -c '^== ' "$scratch/dumps-gxx") dumps of testdata/tabulon"
