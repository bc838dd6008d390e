# Entry points. Every target installs what is missing, configures into build/ and builds.
BUILD_DIR   ?= build
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc)
RUN_DIR     := $(BUILD_DIR)/run
# WERROR=ON turns every compiler warning into an error (CI builds that way).
WERROR      ?= OFF
CMAKE_FLAGS := -G Ninja -DDH_WERROR=$(WERROR) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all deps configure build run run-faulty test expected new-verifier test-sanitize test-windows test-libcxx fuzz \
        fuzz-smoke bench mutants format dashboards \
        format-check lint clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-golden.sh $(BUILD_DIR) testdata/golden $(RUN_DIR)

# The faulty corpus: every file shows the failures its verifier is meant to catch, so failures are the
# expected outcome here; only a run that could not be made fails the target.
run-faulty: build
	@scripts/run-golden.sh $(BUILD_DIR) testdata/faulty $(BUILD_DIR)/run-faulty; [ $$? -le 1 ]

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The corpus expectations from this build, written through a temporary folder; refuses a golden file that fails
# or reaches no verifier. ONLY='GoldenCorpus.x*' limits it to some cases.
expected: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target verifier_tests
	@scripts/write-expected.py --build $(BUILD_DIR) $(if $(ONLY),--only '$(ONLY)')

# The faulty corpus's dashboard report in the viewers people read it in: both Allure Report versions' sites from two
# runs, checked against the runner's summary; screenshots of them go to build/dashboards-screenshots/.
dashboards: build
	@scripts/check-dashboards.sh $(BUILD_DIR) $(BUILD_DIR)/dashboards-screenshots

# A new verifier with its catalogue line and a golden data file:
# make new-verifier CLASS=... EXPERIMENT=... FAMILY=... FILE=...
new-verifier:
	@scripts/new-verifier.py --class '$(CLASS)' --experiment '$(EXPERIMENT)' --family '$(FAMILY)' --file '$(FILE)'

# libFuzzer targets (clang++), in a build directory of their own; each runs FUZZ_SECONDS, one per core at a time.
FUZZ_DIR     ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
fuzz:
	@WITH_FUZZ=1 scripts/install-deps.sh
	@cmake -S . -B $(FUZZ_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DDH_FUZZ=ON
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	@fuzz/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Every target replays its seeds and fuzzes briefly: a target that stops building or crashes at once fails here.
fuzz-smoke:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer. The tests that pose a
# clock or a locale preload a library of their own, which the runtime allows once it no longer insists on coming first.
SANITIZE_DIR ?= build-sanitize
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDH_SANITIZE=ON
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && DH_SANITIZED_RUN=1 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:verify_asan_link_order=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The Windows build: MinGW-w64 cross-build (the toolkit built once into a cache outside the repository), run
# under Wine and compared with the Linux build's reports.
WINDOWS_DIR ?= build-windows
test-windows: build
	@scripts/test-windows.sh $(BUILD_DIR) $(WINDOWS_DIR)

# The whole suite built with clang and libc++ (the toolkit and the test libraries built with them once into a
# cache outside the repository), warnings as errors; the corpora's reports and the dumps compared with the g++
# build's.
LIBCXX_DIR ?= build-libcxx
test-libcxx: build
	@JOBS=$(JOBS) scripts/test-libcxx.sh $(BUILD_DIR) $(LIBCXX_DIR)

# Versioned archives of the install tree in dist/: .tar.gz for Linux, and .zip when the Windows build is configured.
DIST_DIR ?= dist
.PHONY: package
package: build
	@JOBS=$(JOBS) scripts/package.sh $(BUILD_DIR) $(WINDOWS_DIR) $(DIST_DIR)

# Each benchmark is repeated and its median compared, so that one slow repetition does not decide a ratio.
BENCH_REPETITIONS ?= 5
bench: build
	@$(BUILD_DIR)/bin/tabulon_bench --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_report_aggregates_only=true

# Planted faults against the whole test suite: each sampled mutant is built and tested on its own, so this
# takes long (about half a minute a mutant) and is not part of CI. MUTANTS sets the sample, MUTANT_SEED fixes it.
MUTANTS     ?= 200
MUTANT_SEED ?= 20261207
# Survivors get a second run in the Windows cross-build under Wine, where the Windows-only lines are compiled.
MUTANTS_WINE ?= 1
mutants: deps
	@scripts/mutants.py --mutants $(MUTANTS) --seed $(MUTANT_SEED) --jobs $(JOBS) $(if $(filter 1,$(MUTANTS_WINE)),--wine)

# House style: format rewrites the tracked sources, format-check fails on any file it would change.
SOURCES = $(shell git ls-files '*.cpp' '*.h')
format:
	@clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

# clang-tidy over the product code (.clang-tidy), with the compile commands of the build.
LINT_PATHS ?= $(CURDIR)/(plugin|reporting|sdk|site|tabulon|text|verifiers|tools)/
lint: configure
	@scripts/check-house-rules.sh
	@run-clang-tidy -p $(BUILD_DIR) -j $(JOBS) -quiet '$(LINT_PATHS)' > $(BUILD_DIR)/lint.log 2>&1 \
	  || { grep -E -A3 'warning:|error:' $(BUILD_DIR)/lint.log; echo "lint failed: $(BUILD_DIR)/lint.log"; exit 1; }
	@echo "lint: clean"

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_DIR) $(LIBCXX_DIR)
