# Entry points: `make test` and `make demo`. Both install missing Debian packages first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=
# A compiler cache, when installed, shared by every checkout and tree on the machine.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
  export CCACHE_BASEDIR ?= $(abspath $(CURDIR)/..)
  export CCACHE_NOHASHDIR ?= 1
  export CCACHE_MAXSIZE ?= 5G
  # The test programs' precompiled header: a fresh one must not stop every test from hitting.
  export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime
  LAUNCHER := -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif

.PHONY: all deps configure build test demo bench sanitize-build test-sanitize fuzz fuzz-short screenshots guide clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	$(BUILD)/apps/demo/qorvexctl_demo

screenshots: build
	$(BUILD)/apps/demo/qorvexctl_demo --screenshots docs/screenshots

# The user guide's control pages (docs/controls), from the member tables and the hand-written
# parts; commit what it changes.
guide: build
	$(BUILD)/apps/cli/qorvexctl guide docs/controls

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_min_time=0.2; done

# The sanitizer tree: clang, AddressSanitizer + UBSan, PNG inflate on zlib. It holds every test
# and every fuzz target as a libFuzzer program, so CI builds the library twice, not three times.
# Line tables only and a shared library: stack traces keep file and line, and the forty-odd
# programs share one copy of the library instead of each carrying its own (7 GB to well under 2).
# Each test program runs as one CTest test there (see qorvexctl_add_test).
sanitize-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) \
	      -DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DBUILD_SHARED_LIBS=ON \
	      -DQORVEXCTL_WHOLE_TEST_PROGRAMS=ON \
	      -DQORVEXCTL_SANITIZE=ON -DQORVEXCTL_FUZZ=ON -DQORVEXCTL_BENCH=OFF -DQORVEXCTL_SDL=OFF \
	      -DQORVEXCTL_INFLATE=zlib
	cmake --build $(BUILD_ASAN) -j $(JOBS)

test-sanitize: sanitize-build
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 ctest --output-on-failure -j $(JOBS)

# Every fuzz target for SECONDS (with its dictionary fuzz/NAME.dict when there is one), built
# optimised in a tree of its own for long runs; `make fuzz-short` is CI's brief run of the
# sanitizer tree's fuzzers.
SECONDS ?= $(FUZZ_SECONDS)
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	      -DQORVEXCTL_FUZZ=ON -DQORVEXCTL_SANITIZE=ON -DQORVEXCTL_TESTS=OFF -DQORVEXCTL_BENCH=OFF \
	      -DQORVEXCTL_SDL=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzzers
	bash scripts/run-fuzzers.sh $(BUILD_FUZZ) $(SECONDS)

fuzz-short: sanitize-build
	bash scripts/run-fuzzers.sh $(BUILD_ASAN) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
