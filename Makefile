# Thin wrapper over the CMake presets. `make run` and `make test` set up
# everything they need on a fresh Debian 12 machine.
.PHONY: setup build run test test-asan release clean

JOBS ?= $(shell nproc)

setup:
	@scripts/setup

build: setup
	cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)

run: build
	build/dev/src/app/korvale-sample build/dev/sample/Players.dbf
	cd build/dev/sample && ../src/app/korvale

test: build
	ctest --preset dev

test-asan: setup
	cmake --preset dev-asan >/dev/null
	cmake --build --preset dev-asan -j $(JOBS)
	ctest --preset dev-asan

release: setup
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

clean:
	rm -rf build
