# Thin wrapper over the CMake presets; see README.md.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test test-asan bench fuzz format format-check clean package

deps:
	@scripts/install-deps

build/build.ninja: CMakeLists.txt CMakePresets.json
	cmake --preset default >/dev/null

configure: deps
	cmake --preset default >/dev/null

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	build/bin/vorurer

test: build format-check
	ctest --preset default -j $(JOBS)

# The Debian package, in build/package/.
package: build
	cpack --config build/CPackConfig.cmake -B build/package

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	scripts/run-bench

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz $(FUZZ_SECONDS)

format:
	scripts/format --fix

format-check:
	@scripts/format --check

clean:
	rm -rf build build-debug build-asan build-fuzz
