# Two commands do everything on a fresh Debian machine:
#   make run    install what the game needs, build only the game, start it
#   make test   install what the tests need too (and try the optional tools),
#               build everything, run every test
# plus: make install, make package (.deb), make bench, make fuzz (longer fuzz
# runs), make clean.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 20
GENERATOR  := -G Ninja
FUZZERS    := $(basename $(notdir $(wildcard fuzz/*_fuzz.cpp)))

.PHONY: all deps deps-run configure build build-game run test test-main test-asan fuzz fuzz-short fuzz-run bench install package clean

all: build

deps:
	@scripts/install-deps test

deps-run:
	@scripts/install-deps run

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Configured again on every full build: a folder first set up by `make run`,
# before GoogleTest was installed, then picks the tests up.
configure: $(BUILD)/build.ninja
	@cmake -S . -B $(BUILD) >/dev/null

build: deps configure
	cmake --build $(BUILD) -j$(JOBS)

# The game alone: no tests, benchmarks or tools.
build-game: deps-run $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS) --target sudoku-tessel

run: build-game
	exec $(BUILD)/src/ui/sudoku-tessel

test: build
	$(MAKE) --no-print-directory test-main
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz-short

test-main:
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j$(JOBS)

# The same tests, window tests included, once more under AddressSanitizer
# and UBSan; any report fails.
$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DTESSEL_SANITIZE=ON -DTESSEL_BENCH=OFF -DTESSEL_GUI=ON -DCMAKE_CXX_FLAGS=-O1

test-asan: $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  QT_QPA_PLATFORM=offscreen ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error -j$(JOBS)

# libFuzzer targets need clang and its fuzzer runtime; without them the
# short run is skipped.
$(FUZZ_BUILD)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSEL_FUZZ=ON -DTESSEL_TESTS=OFF -DTESSEL_BENCH=OFF -DTESSEL_GUI=OFF

fuzz-short:
	@probe=$$(mktemp -d); \
	echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >$$probe/p.cpp; \
	if clang++ -fsanitize=fuzzer $$probe/p.cpp -o $$probe/p >/dev/null 2>&1; then \
	  rm -rf $$probe; $(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=$(FUZZ_SECONDS); \
	else \
	  rm -rf $$probe; echo "SKIPPED: fuzzers (clang++ with libFuzzer not installed)"; \
	fi

fuzz: deps fuzz-run

# A failing input is kept in $(FUZZ_BUILD)/crash-*, not in the source tree.
fuzz-run: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@set -e; for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  echo "fuzzing $$f for $(FUZZ_SECONDS) s"; \
	  seeds=""; [ -d fuzz/corpus/$$f ] && seeds=fuzz/corpus/$$f; \
	  $(FUZZ_BUILD)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$f $$seeds 2>$(FUZZ_BUILD)/$$f.log \
	    || { tail -n 60 $(FUZZ_BUILD)/$$f.log; exit 1; }; \
	  grep -E 'stat::number_of_executed_units' $(FUZZ_BUILD)/$$f.log || true; \
	done

# make install [PREFIX=/usr/local] [DESTDIR=...]; make package builds the .deb.
PREFIX ?= /usr/local
install: deps-run configure
	cmake --build $(BUILD) -j$(JOBS)
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

package: configure
	@scripts/install-deps package
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bench/tessel_bench
	@if [ -x $(BUILD)/bench/gui_measure ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/bench/gui_measure; fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
