# Strandel: the two commands a fresh Debian or Ubuntu machine needs are `make run` and `make test`.

NATIVE_DIR := build/native
WIN_DIR    := build/win
BENCH_DIR  := build/bench
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
WINE_ENV   := WINEPREFIX=$(CURDIR)/$(WIN_DIR)/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

.PHONY: all bootstrap native win test test-native test-win run bench clean

all: native win

bootstrap:
	@bash scripts/bootstrap.sh

native: bootstrap
	cmake -S . -B $(NATIVE_DIR) -DSTRANDEL_SANITIZE=ON
	cmake --build $(NATIVE_DIR) -j $(JOBS)

win: bootstrap
	cmake -S . -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN_DIR) -j $(JOBS)

test: test-native test-win

test-native: native
	cd $(NATIVE_DIR) && ctest --output-on-failure -j $(JOBS)

test-win: win
	cd $(WIN_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure
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

clean:
	rm -rf build
