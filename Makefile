# The two commands of the README: `make run` and `make check`. Both install what is missing first.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps run build check bench bench-e2e asan soak fuzz clean

all: build

deps:
	@./scripts/deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build
	./build/release/orbicola

# Every test; the fuzzers and the sanitizer soak only briefly (the long runs: `make fuzz`, `make soak`).
# The windows' soak runs once, in the sanitizer build, not in the release pass as well.
check: build
	cd build/release && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -E '^Windows/'
	@JOBS=$(JOBS) FUZZ_SECONDS=$${FUZZ_SECONDS:-2} bash fuzz/run.sh
	@JOBS=$(JOBS) SOAK_SECONDS=$${SOAK_SECONDS:-1} bash scripts/soak.sh

bench: build
	QT_QPA_PLATFORM=offscreen ./build/release/bench/orbicola_bench
	bash scripts/bench-e2e.sh

# The program on a virtual display (Xvfb), every window at its fastest for 5 s, then all open at
# once; writes its tables to BENCHMARKS.md. About three minutes.
bench-e2e: build
	bash scripts/bench-e2e.sh

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every window under random use for minutes each, in the sanitizer build (SOAK_SECONDS a window).
soak: deps
	@JOBS=$(JOBS) SOAK_SECONDS=$${SOAK_SECONDS:-180} bash scripts/soak.sh

# The fuzzers of the file readers and the canvas for minutes each (FUZZ_SECONDS a fuzzer; needs clang).
fuzz: deps
	@JOBS=$(JOBS) FUZZ_SECONDS=$${FUZZ_SECONDS:-300} bash fuzz/run.sh

clean:
	rm -rf build

# The Debian package of the release build, in build/release (orbicola_VERSION_ARCH.deb).
.PHONY: package
package: build
	cd build/release && cpack -G DEB
