# Strandel: the two commands a fresh Debian or Ubuntu machine needs are `make run` and `make test`.

NATIVE_DIR := build/native
# The Windows trees are the configure presets of CMakePresets.json: "win", and "win-legacy" built
# without the UTF-8 code page in the manifests, tested in a prefix whose code page is 1252.
WIN_DIR        := build/win
WIN_LEGACY_DIR := build/win-legacy
BENCH_DIR  := build/bench
FUZZ_DIR   := build/fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
# make fuzz runs each fuzz target this long; make test runs each for FUZZ_TEST_SECONDS.
FUZZ_SECONDS      ?= 120
FUZZ_TEST_SECONDS ?= 3
# WINEDEBUG and WINEDLLOVERRIDES, as CMake's tests and the scripts have them.
include cmake/wine.env
export WINEDEBUG WINEDLLOVERRIDES
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"
# Ends what is left running in a Windows tree's test prefix: $(call stop-wine,TREE)
stop-wine = @WINEPREFIX=$(CURDIR)/$(1)/wineprefix wineserver -k 2>/dev/null || true

.PHONY: all bootstrap native win win-legacy fuzz-build test test-native test-fuzz test-win test-win-legacy test-crash run bench fuzz soak dist clean

all: native win

bootstrap:
	@bash scripts/bootstrap.sh

native: bootstrap
	cmake -S . -B $(NATIVE_DIR) -DSTRANDEL_SANITIZE=ON
	cmake --build $(NATIVE_DIR) -j $(JOBS)

win: bootstrap
	cmake --preset win
	cmake --build $(WIN_DIR) -j $(JOBS)

win-legacy: bootstrap
	cmake --preset win-legacy
	cmake --build $(WIN_LEGACY_DIR) -j $(JOBS)

fuzz-build: bootstrap
	cmake -S . -B $(FUZZ_DIR) -DSTRANDEL_FUZZ=ON -DSTRANDEL_TESTS=OFF \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target strandel_fuzzers

test: test-native test-fuzz test-win test-win-legacy

test-native: native
	cd $(NATIVE_DIR) && ctest --output-on-failure -j $(JOBS)

# A few seconds of each fuzz target and every kept regression input.
test-fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TEST_SECONDS)

test-win: win
	cd $(WIN_DIR) && $(XVFB) ctest --output-on-failure
	$(call stop-wine,$(WIN_DIR))

# The same Windows suite as Windows before 10 1903 runs it: no UTF-8 code page asked for, the
# prefix's ANSI code page 1252 (the tests check it), every text through the wide functions.
test-win-legacy: win-legacy
	cd $(WIN_LEGACY_DIR) && $(XVFB) ctest --output-on-failure
	$(call stop-wine,$(WIN_LEGACY_DIR))

# The crash test's long run: a writer killed at 200 random moments (make test kills it 20 times).
CRASH_KILLS ?= 200
test-crash: win
	cd $(WIN_DIR) && { STRANDEL_CRASH_KILLS=$(CRASH_KILLS) $(XVFB) \
	  ctest -R '^crash_test$$' -V > crash_test.log 2>&1; status=$$?; \
	  grep -E 'crash test|neither|tests passed|tests failed' crash_test.log; exit $$status; }
	@WINEPREFIX=$(CURDIR)/$(WIN_DIR)/wineprefix wineserver -k 2>/dev/null || true

run: bootstrap
	@bash scripts/run.sh

bench: bootstrap
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSTRANDEL_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/build_output_bench
	bash bench/gen_vs_awk.sh $(BENCH_DIR)/cli/strandel-gen
	cmake --preset win
	cmake --build $(WIN_DIR) -j $(JOBS) --target window_bench strandel-gen list_operations_bench
	bash bench/win/run_window_bench.sh $(WIN_DIR)
	bash bench/list_operations_bench.sh $(BENCH_DIR)/bench/list_operations_bench $(WIN_DIR)

fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# A long session on the running program: SOAK_ACTIONS random actions (make test runs a short
# round); a failed run prints its seed, and make soak SOAK_SEED=n replays it.
SOAK_ACTIONS ?= 20000
SOAK_SEED ?=
soak: bootstrap
	cmake --preset win
	cmake --build $(WIN_DIR) -j $(JOBS) --target soak_test
	$(XVFB) bash tests/soak/run_soak.sh $(WIN_DIR) $(SOAK_ACTIONS) $(SOAK_SEED)

# The release packages, dist/Strandel-VERSION-win64.zip and dist/Strandel-VERSION-setup.exe:
# builds the program in the Windows tree and packs it (installer/make_packages.sh).
dist: bootstrap
	cmake --preset win
	cmake --build $(WIN_DIR) -j $(JOBS) --target packages
	rm -rf dist
	mkdir dist
	cp $(WIN_DIR)/packages/Strandel-* dist/
	@ls -l dist

clean:
	rm -rf build dist
