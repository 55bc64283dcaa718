# The two commands a newcomer needs: `make run` and `make test`. Both install missing Debian packages first.

BUILD_DIR      ?= build
ASAN_DIR       ?= build-asan
FUZZ_DIR       ?= build-fuzz
BENCH_DIR      ?= build-bench
BENCH_BC_DIR   ?= build-bench-bc
FUZZ_SECONDS   ?= 20
SOAK_SECONDS   ?= 600
JOBS           ?= $(shell nproc)

# The Debian packages each target calls, so that a fresh Debian 12 gets them before the first command
# that needs one. `deps` installs what the goals on the command line need, in one call, so that a fresh
# machine updates its package lists only once.
BUILD_PACKAGES  := cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev libedit-dev \
                   librsvg2-bin fonts-dejavu-core
# The Debian package tools, lintian, and the validators of the desktop entry, the metainfo and the man
# pages: what the package and the tests of the installed product call.
CHECK_PACKAGES  := dpkg-dev binutils file desktop-file-utils appstream man-db lintian
FORMAT_PACKAGES := clang-format git
# The name rule of .clang-tidy, checked over the compile commands of the build.
TIDY_PACKAGES   := clang-tidy
# libFuzzer ships with clang's runtime libraries, which clang only recommends.
FUZZ_PACKAGES   := clang libclang-rt-14-dev
# The benchmarks measure the key index beside the library's hash set, and start-up on a virtual display.
BENCH_PACKAGES  := $(BUILD_PACKAGES) libabsl-dev xvfb libxcb-damage0-dev

PACKAGES_all          := $(BUILD_PACKAGES)
PACKAGES_build        := $(BUILD_PACKAGES)
PACKAGES_run          := $(BUILD_PACKAGES)
PACKAGES_test         := $(BUILD_PACKAGES) $(CHECK_PACKAGES) $(FORMAT_PACKAGES) $(TIDY_PACKAGES) \
                         $(FUZZ_PACKAGES)
PACKAGES_test-asan    := $(BUILD_PACKAGES) $(CHECK_PACKAGES)
PACKAGES_test-anywhere := $(PACKAGES_test) fontconfig
PACKAGES_package      := $(BUILD_PACKAGES) $(CHECK_PACKAGES)
PACKAGES_fuzz         := $(BUILD_PACKAGES) $(FUZZ_PACKAGES)
PACKAGES_bench        := $(BENCH_PACKAGES)
PACKAGES_bench-bc     := $(BUILD_PACKAGES) bc
PACKAGES_format       := $(FORMAT_PACKAGES)
PACKAGES_format-check := $(FORMAT_PACKAGES)
PACKAGES_tidy         := $(BUILD_PACKAGES) $(TIDY_PACKAGES)
PACKAGES_screenshot   := $(BUILD_PACKAGES)

CMAKE_COMMON   := -G Ninja -DSCRIVLET_WERROR=ON

.PHONY: all deps build run test test-anywhere test-asan soak package fuzz bench bench-bc format format-check tidy \
        screenshot clean

all: build

deps:
	@tools/ensure-packages.sh $(sort $(foreach goal,$(or $(MAKECMDGOALS),all),$(PACKAGES_$(goal))))

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run-scrivlet.sh $(BUILD_DIR)/qt/scrivlet

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory format-check
	@$(MAKE) --no-print-directory tidy
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SECONDS)
	@$(MAKE) --no-print-directory test-asan

# `make test` from a fresh clone as the invoking user, under settings, fonts, time zones and load that
# differ from the developers' machines (tools/test-anywhere.sh).
test-anywhere: deps
	tools/test-anywhere.sh

# Seeded random gestures through the real window for SOAK_SECONDS, a quarter of them in each setting (a
# shrunk window, the smallest screen, twice the scale, right to left); a failing seed prints a minimal
# gesture list.
soak: build
	cd $(BUILD_DIR) && for setting in "" small scaled reversed; do \
		QT_QPA_PLATFORM=offscreen SOAK_SECONDS=$$(( $(SOAK_SECONDS) / 4 )) GESTURE_SETTING=$$setting \
			tests/qt/random_gestures -maxwarnings 1 || exit 1; \
	done

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
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DSCRIVLET_BUILD_FUZZ=ON -DSCRIVLET_BUILD_QT=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	tools/run-fuzzer.sh $(FUZZ_DIR)/fuzz/fuzz_calculate $(FUZZ_SECONDS)

# Each benchmark goal has its own build folder and names every setting it depends on, so that what one
# goal configured never changes what another measures. Every benchmark runs even when one passes its
# budget; the goal then fails.
bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCRIVLET_BUILD_BENCH=ON \
	    -DSCRIVLET_BUILD_QT=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@status=0; \
	$(BENCH_DIR)/bench/bench_calculate || status=1; \
	$(BENCH_DIR)/bench/bench_notes || status=1; \
	$(BENCH_DIR)/bench/bench_folders || status=1; \
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/bench_skin || status=1; \
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/bench_editors || status=1; \
	bench/idle-memory.sh $(BENCH_DIR)/qt/scrivlet $(BENCH_DIR)/bench/minimal_window || status=1; \
	$(BENCH_DIR)/bench/bench_scheduler || status=1; \
	$(BENCH_DIR)/bench/bench_key_index || status=1; \
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/bench_gestures || status=1; \
	bench/startup.sh $(BENCH_DIR)/qt/scrivlet $(BENCH_DIR)/bench/startup_baseline \
	    $(BENCH_DIR)/bench/startup_clock || status=1; \
	exit $$status

# numbra against `bc -l` on the same seeded file of 100,000 Terms; prints the ratio of their times.
bench-bc: deps
	cmake -S . -B $(BENCH_BC_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCRIVLET_BUILD_BENCH=OFF \
	    -DSCRIVLET_BUILD_QT=OFF -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BC_DIR) -j $(JOBS) --target numbra
	bench/compare-bc.sh $(BENCH_BC_DIR)/cli/numbra

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror && echo "clang-format: clean"

# Every name of the program, its tests and tools by the rule of .clang-tidy (docs/ARCHITECTURE.md, "Names").
tidy: build
	run-clang-tidy -p $(BUILD_DIR) -j $(JOBS) -quiet '^$(CURDIR)/(ui|notes|app|calc|dates|qt|cli|tests|tools)/'

# The notes view, the calculator panel and the scheduler panel, each as docs/*.png.
screenshot: build
	tools/screenshot.sh $(BUILD_DIR)/tools/screenshot/scrivlet_screenshot docs

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(BENCH_BC_DIR)
