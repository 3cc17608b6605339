# The two commands of the README: `make run` sets up, builds and starts the program;
# `make test` sets up, builds and runs every test.
.PHONY: run test build asan-test bench clean

build:
	@scripts/setup.sh
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@scripts/run.sh

test: build
	@ctest --preset default

asan-test:
	@scripts/setup.sh
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: build
	@build/default/bench/engine_bench
	@build/default/bench/window_bench
	@build/default/bench/fit_bench
	@bench/startup_compare.sh build/default

clean:
	rm -rf build
