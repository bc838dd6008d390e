#!/bin/bash
# The README's checklist, run into a copy of the tree: scripts/new-verifier.py adds an experiment, the copy builds
# (the verifier tests only), the golden file passes with the expectations the scaffold wrote and the expectation
# writer changes none of them; a faulty file added after the build is listed and tested by the next ctest; a
# second class claiming the experiment's name is named by the claims test. The copy is configured with the build's
# own settings (CONFIGURATION, a CMake initial cache) and its build directory sits inside it as the build's does in
# the tree, so the compiler cache (which sees the tree's paths relative to the build directory) serves every object
# but the new verifier's and the few that hold the tree's own path.
# Usage: scaffold_test.sh SOURCE_DIR CONFIGURATION
set -euo pipefail
source_dir=$(cd "$1" && pwd)
configuration=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
copy=$(mktemp -d "${TMPDIR:-/tmp}/dh-scaffold.XXXXXX")
trap 'rm -rf "$copy"' EXIT
tar -C "$source_dir" --exclude=./.git --exclude='./build*' --exclude=./scons-out -cf - . | tar -C "$copy" -xf -
cd "$copy"
fail() { echo "FAIL: $*" >&2; exit 1; }

experiment=2026-12-07_scaffolded_experiment.vn5
golden_case=GoldenCorpus.2026_12_07_scaffolded_experiment_vn5_P01
faulty_case=FaultyCorpus.2026_12_07_scaffolded_experiment_vn5_events_swapped
scaffold=(scripts/new-verifier.py --class TestScaffoldedExperiment --experiment "$experiment" --family macro_family
  --file scaffolded_experiment)
"${scaffold[@]}" >scaffold.out || fail "the scaffold failed"
grep -q '^  5. make test$' scaffold.out || fail "the scaffold printed no next steps"
"${scaffold[@]}" 2>again.err && fail "the scaffold ran twice under one name"
grep -q "already has the class TestScaffoldedExperiment" again.err || fail "no reason given: $(cat again.err)"
scripts/new-verifier.py --class TestOther --experiment other.vn5 --family macro_family --file Other.cpp 2>file.err &&
  fail "a case file name in another form was taken"
grep -q "FILE must be" file.err || fail "no reason given for the file name: $(cat file.err)"

cmake -S . -B build -G Ninja -C "$configuration" >configure.log ||
  { tail -n 30 configure.log; fail "configuring the copy"; }
cmake --build build -j 2 --target verifier_tests >build.log || { tail -n 50 build.log; fail "building the copy"; }
scripts/write-expected.py --build build --only "$golden_case:DurationsByMachine.*" >writer.out ||
  { cat writer.out; fail "the expectation writer failed"; }
grep -Eq '^wrote [0-9]+, changed 0, unchanged [0-9]+$' writer.out || { cat writer.out; fail "the scaffold's expectations differ"; }
build/bin/verifier_tests --gtest_brief=1 --gtest_filter="$golden_case:DurationsByMachine.*:VerifierClaims.*"

scripts/datafile.py "testdata/faulty/$experiment events swapped.txt" --title scaffolded_experiment \
  --column 'Block\nName' --column 'Trial\nName' --column 'Event\nName' --column 'Cumulative\nTime' \
  --row b1 t1 'event 1' 500 --row b1 t1 'event 3' 1000 --row b1 t1 'event 2' 1500 --expansion-ms 80
scripts/write-expected.py --build build --only "$faulty_case" >writer.out || { cat writer.out; fail "writing the faulty file's"; }
grep -qx 'wrote 1, changed 1, unchanged 0' writer.out || { cat writer.out; fail "the faulty file's expectation"; }
grep -q '^failure	Event_order	' "testdata/faulty/$experiment events swapped.expected" || fail "the swap went unseen"
(cd build && ctest -N >listed.out) && grep -q "$faulty_case" build/listed.out || fail "ctest does not list the file added after the build"
(cd build && ctest -R "^$faulty_case\$" --output-on-failure >ctest.out) || { cat build/ctest.out; fail "the added file's case"; }

sed 's/class TestScaffoldedExperiment /class TestCopiedExperiment /; s/"2026-12-07_scaffolded/"2026-12-07_Scaffolded/' \
  verifiers/cases/macro_family/scaffolded_experiment.cpp >verifiers/cases/macro_family/copied_experiment.cpp
build/bin/verifier_tests --gtest_filter='VerifierClaims.EveryVerifierClassClaimsItsCatalogueName' >claims.out &&
  fail "a second class under the experiment's name went unnoticed"
grep -q "TestCopiedExperiment (.*/copied_experiment.cpp) and TestScaffoldedExperiment (.*/scaffolded_experiment.cpp) both claim" claims.out || { cat claims.out; fail "the claims test does not name both classes"; }
echo "ok: the scaffolded experiment builds and passes in a copy of the tree"
