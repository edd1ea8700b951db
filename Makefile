# The two commands of the README: `make run` and `make test`.
# Both set up what they need first, so they work on a fresh Debian machine.

BUILD_DIR ?= build
SAN_DIR   ?= build-san
NOGUI_DIR ?= build-nogui
FUZZ_DIR  ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX    ?= /usr/local
GENERATOR ?= Ninja
CMAKE     ?= cmake

# ccache, when the machine has it, makes the five build trees cheap to rebuild; paths are taken
# relative to the checkout, and the build directory left out of the key, so that any clone can
# reuse the cache (its debug information then names the directory that first built an object).
CCACHE := $(shell command -v ccache 2>/dev/null)
LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# Precompiled headers are cached only when ccache may trust their time stamps and defines.
export CCACHE_SLOPPINESS := pch_defines,time_macros,include_file_mtime,include_file_ctime
NPROC := $(shell nproc 2>/dev/null || echo 2)
CONFIGURE = $(CMAKE) -G $(GENERATOR) $(LAUNCHER) -S .

.PHONY: all deps configure build install run test test-main test-san test-nogui format-check \
	bench fuzz fuzz-ci fuzz-build format clean

all: build

deps:
	scripts/install-deps

configure: deps
	$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DFINPLAN_BUILD_BENCH=ON

build: configure
	$(CMAKE) --build $(BUILD_DIR)

# The programs, desktop entries, icon and file types under PREFIX (DESTDIR is honoured).
install: build
	$(CMAKE) --install $(BUILD_DIR) --prefix $(PREFIX)

# The desktop program on the sample; without a display the same run on the command line, its
# temporary files kept in the build directory.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are empty);" \
			"running finplan-cli run examples/sample.RET instead"; \
		$(BUILD_DIR)/src/cli/finplan-cli run --workdir $(BUILD_DIR) examples/sample.RET; \
	elif [ ! -x $(BUILD_DIR)/src/gui/finplan ]; then \
		echo "make run: finplan was not built (Qt 6 Widgets missing?)" >&2; exit 1; \
	else \
		$(BUILD_DIR)/src/gui/finplan examples/sample.RET; \
	fi

# Every test runs under the sanitizers; the optimised tree of `make run` is not built again for
# them (`make test-main` runs them there). Line tables are all the sanitizers' reports need, and
# the test programs are compiled in batches of files (so their file-scope helpers need names of
# their own).
SAN_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DFINPLAN_UNITY_TESTS=ON

test: format-check test-san test-nogui fuzz-ci

test-main: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(NPROC)

# Every test, GUI included, built with AddressSanitizer and UndefinedBehaviorSanitizer; the
# benchmarks are built there too, so that they keep compiling. Its headers are precompiled, as
# the fuzz tree's; the tree without the GUI below shows a file that does not include what it uses.
test-san: deps
	$(CONFIGURE) -B $(SAN_DIR) $(SAN_FLAGS) -DFINPLAN_SANITIZE=ON -DFINPLAN_BUILD_BENCH=ON \
		-DFINPLAN_PCH=ON
	$(CMAKE) --build $(SAN_DIR)
	cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(NPROC)

# The core and the command line must build and pass their tests without Qt's widgets; the same
# tree is built with ThreadSanitizer, which checks the runs that go side by side.
test-nogui: deps
	$(CONFIGURE) -B $(NOGUI_DIR) $(SAN_FLAGS) -DFINPLAN_BUILD_GUI=OFF -DFINPLAN_TSAN=ON
	$(CMAKE) --build $(NOGUI_DIR)
	cd $(NOGUI_DIR) && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j$(NPROC)

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Speed targets are measured here, in an optimised build of their own.
bench: deps
	$(CONFIGURE) -B build-bench -DCMAKE_BUILD_TYPE=Release \
		-DFINPLAN_BUILD_BENCH=ON -DFINPLAN_BUILD_TESTS=OFF
	$(CMAKE) --build build-bench
	build-bench/bench/run_benchmark
	if [ -x build-bench/bench/gui_benchmark ]; then build-bench/bench/gui_benchmark; fi

# The libFuzzer harnesses of fuzz/, built with clang in a tree of their own. `make fuzz` runs
# each for FUZZ_SECONDS, `make fuzz-ci` for 20 seconds, one per core at a time; either fails on a
# crash, leak or timeout.
fuzz-build: deps
	scripts/install-fuzz-deps
	$(CONFIGURE) -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DFINPLAN_FUZZ=ON -DFINPLAN_BUILD_TESTS=OFF \
		-DFINPLAN_BUILD_GUI=OFF -DFINPLAN_PCH=ON
	$(CMAKE) --build $(FUZZ_DIR) --target fuzz_harnesses

fuzz: fuzz-build
	fuzz/run_fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-ci: fuzz-build
	fuzz/run_fuzzers.sh $(FUZZ_DIR) 20

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(NOGUI_DIR) $(FUZZ_DIR) build-bench
