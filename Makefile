# The two commands a newcomer needs: `make run` and `make test`. Both install missing Debian packages first.

BUILD_DIR      ?= build
ASAN_DIR       ?= build-asan
FUZZ_DIR       ?= build-fuzz
BENCH_DIR      ?= build-bench
FUZZ_SECONDS   ?= 20
JOBS           ?= $(shell nproc)

BASE_PACKAGES  := cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev libedit-dev librsvg2-bin
RUN_PACKAGES   := $(BASE_PACKAGES) fonts-dejavu-core
# What the tests and `make package` need besides the build: the Debian package tools, and the validators
# of the desktop entry, the metainfo and the man pages. Asked for in the same call as the rest, so that a
# fresh machine updates its package lists only once.
CHECK_PACKAGES := dpkg-dev file desktop-file-utils appstream man-db

CMAKE_COMMON   := -G Ninja -DSCRIVLET_WERROR=ON

.PHONY: all deps build run test test-asan package fuzz bench bench-bc format format-check screenshot clean

all: build

deps:
	@tools/ensure-packages.sh $(RUN_PACKAGES) $(if $(filter test package,$(MAKECMDGOALS)),$(CHECK_PACKAGES))

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run-scrivlet.sh $(BUILD_DIR)/qt/scrivlet

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory format-check
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SECONDS)
	@$(MAKE) --no-print-directory test-asan

# The Debian package of everything `cmake --install` puts in place, in $(BUILD_DIR).
package: build
	cd $(BUILD_DIR) && cpack

# The sanitizer build runs the same suite, leak checking included.
test-asan: deps
	cmake -S . -B $(ASAN_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DSCRIVLET_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@if command -v clang++ >/dev/null 2>&1; then \
	    CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	        -DSCRIVLET_BUILD_FUZZ=ON -DSCRIVLET_BUILD_QT=OFF -DBUILD_TESTING=OFF && \
	    cmake --build $(FUZZ_DIR) -j $(JOBS) && \
	    tools/run-fuzzer.sh $(FUZZ_DIR)/fuzz/fuzz_calculate $(FUZZ_SECONDS); \
	else \
	    echo "clang++ not found: skipping the fuzz run"; \
	fi

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCRIVLET_BUILD_BENCH=ON \
	    -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/bench_calculate
	$(BENCH_DIR)/bench/bench_notes
	$(BENCH_DIR)/bench/bench_folders
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/bench_skin
	bench/idle-memory.sh $(BENCH_DIR)/qt/scrivlet $(BENCH_DIR)/bench/minimal_window
	$(BENCH_DIR)/bench/bench_scheduler
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/bench_gestures

# numbra against `bc -l` on the same seeded file of 100,000 Terms; prints the ratio of their times.
bench-bc: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCRIVLET_BUILD_BENCH=ON \
	    -DSCRIVLET_BUILD_QT=OFF -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target numbra
	bench/compare-bc.sh $(BENCH_DIR)/cli/numbra

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror && echo "clang-format: clean"

# The notes view, the calculator panel and the scheduler panel, each as docs/*.png.
screenshot: build
	tools/screenshot.sh $(BUILD_DIR)/tools/screenshot/scrivlet_screenshot docs

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(BENCH_DIR)
