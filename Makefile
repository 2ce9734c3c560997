# make run   - install what is missing, build, run the panel with the phone simulator
# make test  - install what is missing, build both architectures, run every test
#              (the 32-bit panel's where this machine runs 32-bit programs)
# make build - build only;  make bench - the benchmarks;  make dist - installers and zips
# make fuzz  - fuzz each pure parser for FUZZ_SECONDS (default 60)
# make soak  - the leak check: SOAK_COUNT messages (100000) to the running panel

OUT      := $(CURDIR)/out
JOBS     ?= $(shell nproc)
BUILD64  := $(OUT)/build-win64
BUILD32  := $(OUT)/build-win32
# The pure-logic files built with the host compiler (tests/native): plain
# x86-64, and -m32 for the x87 arithmetic of the 32-bit panel.
NATIVE64 := $(OUT)/build-native64
NATIVE32 := $(OUT)/build-native32
# The same pure files under clang's libFuzzer with ASan and UBSan (tests/fuzz).
FUZZ     := $(OUT)/build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all build build64 build32 native fuzz-build fuzz bootstrap test run bench dist soak clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD64)/CMakeCache.txt:
	cmake -S . -B $(BUILD64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_BIN_DIR=$(OUT)/win64/bin -DDORVANE_TESTS=ON

# ON where the 32-bit panel's tests can run (scripts/suite32 says why not);
# elsewhere they are configured, to be counted as skipped, but not built.
# Read when a recipe runs: bootstrap may just have installed the 32-bit Wine.
SUITE32 = $(shell scripts/suite32 >/dev/null 2>&1 && echo ON || echo OFF)

$(BUILD32)/CMakeCache.txt:
	cmake -S . -B $(BUILD32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_BIN_DIR=$(OUT)/win32/bin -DDORVANE_TESTS=ON

$(NATIVE64)/CMakeCache.txt:
	cmake -S tests/native -B $(NATIVE64) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(NATIVE32)/CMakeCache.txt:
	cmake -S tests/native -B $(NATIVE32) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_NATIVE_FLAGS=-m32

$(FUZZ)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S tests/fuzz -B $(FUZZ)

build64: $(BUILD64)/CMakeCache.txt
	cmake --build $(BUILD64) -j $(JOBS)

build32: $(BUILD32)/CMakeCache.txt
	@cmake -S . -B $(BUILD32) -DDORVANE_TESTS=ON -DDORVANE_TESTS_IN_ALL=$(SUITE32) >/dev/null
	cmake --build $(BUILD32) -j $(JOBS)

native: $(NATIVE64)/CMakeCache.txt $(NATIVE32)/CMakeCache.txt
	cmake --build $(NATIVE64) -j $(JOBS)
	cmake --build $(NATIVE32) -j $(JOBS)

fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

# Each fuzzer on a scratch copy of its seeds under out/fuzz; a finding fails
# the command once all have run, and its input stays there.
fuzz: bootstrap
	@$(MAKE) --no-print-directory fuzz-build
	@failed=0; for f in $(FUZZ)/fuzz_*; do \
	  [ -x "$$f" ] || continue; name=$${f##*/fuzz_}; \
	  tests/fuzz/run-fuzzer "$$f" tests/fuzz/corpus/$$name $(OUT)/fuzz/$$name $(FUZZ_SECONDS) || failed=1; \
	done; [ $$failed -eq 0 ]

build: bootstrap
	@$(MAKE) --no-print-directory build64 build32

# The x86 installer is built for its scenarios only where they run.
test: build
	@$(MAKE) --no-print-directory native fuzz-build
	$(if $(filter ON,$(SUITE32)),cmake --build $(BUILD32) -j $(JOBS) --target dist)
	scripts/session scripts/run-tests $(BUILD64) --x86 $(BUILD32) $(NATIVE64) $(NATIVE32) $(FUZZ)

run: build
	scripts/session scripts/run-demo $(if $(ONCE),--once,)

# The installers and portable zips of both architectures, under out/dist.
dist: build
	cmake --build $(BUILD64) -j $(JOBS) --target dist
	cmake --build $(BUILD32) -j $(JOBS) --target dist

bench: build
	cmake --build $(BUILD64) -j $(JOBS) --target benchmarks
	scripts/session scripts/run-bench $(BUILD64)

# The panel's GDI and USER objects and private bytes, after a warm-up and
# at the end of a day's traffic; fails when they grew (or shrank) by over 1%.
SOAK_COUNT ?= 100000
soak: bootstrap build64
	scripts/session bash -c 'cd "$(BUILD64)/tests" && "$$WINE" ./soak.exe $(SOAK_COUNT)'

clean:
	rm -rf $(BUILD64) $(BUILD32) $(NATIVE64) $(NATIVE32) $(FUZZ) $(OUT)/fuzz $(OUT)/win64 $(OUT)/win32 $(OUT)/dist
