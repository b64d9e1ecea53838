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
  export CCACHE_MAXSIZE ?= 10G
  LAUNCHER := -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif

.PHONY: all deps configure build test demo bench test-sanitize fuzz fuzz-short screenshots guide clean

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

test-sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER) -DQORVEXCTL_SANITIZE=ON \
	      -DQORVEXCTL_BENCH=OFF -DQORVEXCTL_SDL=OFF -DQORVEXCTL_INFLATE=zlib
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 ctest --output-on-failure -j $(JOBS)

# Builds every fuzz target with clang and libFuzzer and runs each for SECONDS (with its
# dictionary fuzz/NAME.dict when there is one); `make fuzz-short` is the brief run CI makes.
SECONDS ?= $(FUZZ_SECONDS)
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	      -DQORVEXCTL_FUZZ=ON -DQORVEXCTL_SANITIZE=ON -DQORVEXCTL_TESTS=OFF -DQORVEXCTL_BENCH=OFF \
	      -DQORVEXCTL_SDL=OFF
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@for f in $(BUILD_FUZZ)/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; name=$$(basename $$f); \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$name; \
	  echo "== $$name ($(SECONDS) s)"; \
	  seeds=""; [ -d fuzz/corpus/$$name ] && seeds=fuzz/corpus/$$name; \
	  dict=""; [ -f fuzz/$$name.dict ] && dict=-dict=fuzz/$$name.dict; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp $$f -max_total_time=$(SECONDS) -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
	      $$dict $(BUILD_FUZZ)/corpus/$$name $$seeds > $(BUILD_FUZZ)/$$name.log 2>&1 \
	      || { tail -n 40 $(BUILD_FUZZ)/$$name.log; exit 1; }; \
	  tail -n 3 $(BUILD_FUZZ)/$$name.log; \
	done

fuzz-short:
	$(MAKE) fuzz SECONDS=$(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
