# Thin wrapper over the CMake presets. `make run` and `make test` set up
# everything they need on a fresh Debian 12 machine.
.PHONY: setup build run test test-a11y test-asan test-spreadsheet release test-release package windows windows-cli windows-screenshot test-windows fuzz soak bench coverage clean

JOBS ?= $(shell nproc)

setup:
	@scripts/setup

build: setup
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)

run: build
	mkdir -p build/dev/sample
	build/dev/src/cli/korvale-cli sample --force build/dev/sample/Players.dbf
	cd build/dev/sample && ../src/app/korvale

test: build
	ctest --preset dev

# What a screen reader hears, read through AT-SPI from outside the editor
# on a private X server and session bus of its own (scripts/test-a11y).
test-a11y: setup
	@scripts/setup a11y
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS) --target korvale korvale-cli
	scripts/test-a11y build/dev

test-asan: setup
	cmake --preset dev-asan >/dev/null
	cmake --build --preset dev-asan -j $(JOBS)
	ctest --preset dev-asan

# Round trips of korvale-cli tables through LibreOffice Calc, headless, with
# profiles of its own in build/spreadsheet.
test-spreadsheet: setup
	@scripts/setup spreadsheet
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS) --target korvale-cli
	tests/spreadsheet/roundtrip.py build/dev/src/cli/korvale-cli build/spreadsheet

# Warnings only stop the optimised build when asked (CI asks: WERROR=ON).
WERROR ?= OFF

release: setup
	cmake --preset release -DKORVALE_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release -j $(JOBS)

# The optimised build with its tests: a fault only the optimiser shows.
test-release: release
	ctest --preset release

# The Debian package: build/package/korvale_<version>_amd64.deb, then its
# checks (file list, desktop entry, metainfo, the programs run from it).
package: setup
	cmake --preset package >/dev/null
	cmake --build --preset package -j $(JOBS)
	cd build/package && cpack -G DEB
	scripts/check-package build/package/korvale_*_amd64.deb

# The editor and korvale-cli for 64-bit Windows in build/windows/bin/, and
# both in build/windows/korvale-windows.zip with a README for Windows users.
windows:
	@scripts/setup windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target korvale korvale-cli windows-zip
	@ls -l build/windows/bin/korvale.exe build/windows/bin/korvale-cli.exe build/windows/korvale-windows.zip

# Redraws docs/windows-main-window.png: the editor under Wine, on a private
# X server. Fonts differ from Windows'; CI does not run it.
windows-screenshot:
	@scripts/setup windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)
	scripts/windows-screenshot build/windows docs/windows-main-window.png

# korvale-cli.exe for 64-bit Windows, on its own: build/windows/bin/.
windows-cli:
	@scripts/setup windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target korvale-cli
	@ls -l build/windows/bin/korvale-cli.exe

# The command-line tests against korvale-cli.exe and the Windows editor's
# tests, under Wine.
test-windows:
	@scripts/setup windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)
	scripts/test-windows

# Fuzz every target for FUZZ_SECONDS each (libFuzzer, clang). New inputs
# go to build/fuzz/work; copy the interesting ones into fuzz/corpus/. The
# libraries are instrumented too (fuzzer-no-link), so coverage guides the
# engine into them (Qt's own allocations are not leak-checked in
# view_walks). FUZZ_TARGETS=export runs one target.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= stored_forms exchange_integer file_reading export import view_walks

fuzz:
	@scripts/setup fuzz
	CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DKORVALE_FUZZ=ON -DKORVALE_GUI=ON -DKORVALE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link" >/dev/null
	cmake --build build/fuzz -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/work/$$t; \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  leaks=1; [ $$t = view_walks ] && leaks=0; \
	  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=$$leaks \
	  build/fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	    build/fuzz/work/$$t fuzz/corpus/$$t || exit 1; \
	done

# A long random editing walk on the editor (CTest runs a short one).
# KORVALE_SOAK_SEED chooses another walk; a failure names the seed to rerun.
SOAK_ACTIONS ?= 20000

soak: build
	KORVALE_SOAK_ACTIONS=$(SOAK_ACTIONS) QT_QPA_PLATFORM=offscreen build/dev/tests/soak/SoakTest

# Builds the release preset, measures the editor and korvale-cli (beside
# python3-dbfread, dbview and python3-dbf), times the Windows editor under
# Wine (the mingw build's win_view_bench) and writes docs/PERFORMANCE.md.
# BEFORE=DIR measures the editor of DIR, a release build of an earlier
# commit, too, and shows both side by side.
bench:
	@scripts/setup bench
	@scripts/setup windows
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS) --target korvale-cli view_bench view_peak
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target win_view_bench
	bench/report.py $(if $(BEFORE),--before $(BEFORE)) --windows build/windows build/release docs/PERFORMANCE.md

# Line coverage of the whole suite, summed up per layer.
coverage:
	@scripts/setup coverage
	cmake --preset coverage >/dev/null
	cmake --build --preset coverage -j $(JOBS)
	# Notes of objects no target builds any more (a test removed) would
	# be read with the sources of today and clash with the live ones.
	ninja -C build/coverage -t cleandead >/dev/null
	find build/coverage -name '*.gcno' | while read -r n; do \
	  [ -e "$${n%.gcno}.o" ] || rm -f "$$n"; done
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage
	# Only build/coverage is searched: other build folders (a Wine
	# prefix links to the whole file system) hold notes of their own.
	@for layer in $$(ls src); do \
	  [ -d src/$$layer ] && [ $$layer != win ] || continue; \
	  printf '%-12s' $$layer; \
	  gcovr -r . build/coverage --object-directory build/coverage --filter "src/$$layer/" --print-summary \
	    --exclude-directories build/coverage/CMakeFiles -o build/coverage/$$layer.txt 2>&1 | grep lines; \
	done
	gcovr -r . build/coverage --object-directory build/coverage --exclude-directories build/coverage/CMakeFiles \
	  --filter src/ --html-details build/coverage/index.html
	@echo "report: build/coverage/index.html"

clean:
	rm -rf build
