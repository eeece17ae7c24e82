# Strandel: the two commands a fresh Debian or Ubuntu machine needs are `make run` and `make test`.

NATIVE_DIR := build/native
WIN_DIR    := build/win
BENCH_DIR  := build/bench
FUZZ_DIR   := build/fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
# make fuzz runs each fuzz target this long; make test runs each for FUZZ_TEST_SECONDS.
FUZZ_SECONDS      ?= 120
FUZZ_TEST_SECONDS ?= 3
WINE_ENV   := WINEPREFIX=$(CURDIR)/$(WIN_DIR)/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

.PHONY: all bootstrap native win fuzz-build test test-native test-fuzz test-win test-crash run bench fuzz dist clean

all: native win

bootstrap:
	@bash scripts/bootstrap.sh

native: bootstrap
	cmake -S . -B $(NATIVE_DIR) -DSTRANDEL_SANITIZE=ON
	cmake --build $(NATIVE_DIR) -j $(JOBS)

win: bootstrap
	cmake -S . -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_DIR) -j $(JOBS)

fuzz-build: bootstrap
	cmake -S . -B $(FUZZ_DIR) -DSTRANDEL_FUZZ=ON -DSTRANDEL_TESTS=OFF \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target strandel_fuzzers

test: test-native test-fuzz test-win

test-native: native
	cd $(NATIVE_DIR) && ctest --output-on-failure -j $(JOBS)

# A few seconds of each fuzz target and every kept regression input.
test-fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_TEST_SECONDS)

test-win: win
	cd $(WIN_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure
	@$(WINE_ENV) wineserver -k 2>/dev/null || true

# The crash test's long run: a writer killed at 200 random moments (make test kills it 20 times).
CRASH_KILLS ?= 200
test-crash: win
	cd $(WIN_DIR) && { STRANDEL_CRASH_KILLS=$(CRASH_KILLS) xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ctest -R '^crash_test$$' -V > crash_test.log 2>&1; status=$$?; \
	  grep -E 'crash test|neither|tests passed|tests failed' crash_test.log; exit $$status; }
	@$(WINE_ENV) wineserver -k 2>/dev/null || true

run: bootstrap
	@bash scripts/run.sh

bench: bootstrap
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSTRANDEL_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/build_output_bench
	bash bench/gen_vs_awk.sh $(BENCH_DIR)/cli/strandel-gen
	cmake -S . -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_DIR) -j $(JOBS) --target window_bench strandel-gen
	bash bench/win/run_window_bench.sh $(WIN_DIR)

fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The release packages, dist/Strandel-VERSION-win64.zip and dist/Strandel-VERSION-setup.exe:
# builds the program in the Windows tree and packs it (installer/make_packages.sh).
dist: bootstrap
	cmake -S . -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_DIR) -j $(JOBS) --target packages
	rm -rf dist
	mkdir dist
	cp $(WIN_DIR)/packages/Strandel-* dist/
	@ls -l dist

clean:
	rm -rf build dist
