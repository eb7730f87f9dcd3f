# The two commands of the README: `make run` and `make check`. Both install what is missing first.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps run build check bench asan soak clean

all: build

deps:
	@./scripts/deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

run: build
	./build/release/orbicola

check: build
	cd build/release && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@JOBS=$(JOBS) bash fuzz/run.sh
	@JOBS=$(JOBS) SOAK_SECONDS=$${SOAK_SECONDS:-3} bash scripts/soak.sh

bench: build
	QT_QPA_PLATFORM=offscreen ./build/release/bench/orbicola_bench

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every window under random use for minutes each, in the sanitizer build (SOAK_SECONDS a window).
soak: deps
	@JOBS=$(JOBS) SOAK_SECONDS=$${SOAK_SECONDS:-180} bash scripts/soak.sh

clean:
	rm -rf build
