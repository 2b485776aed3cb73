# The user's entry points. Every target installs the Debian packages it needs when they are missing.
SHELL := /bin/bash

PACKAGES := cmake make g++ python3 binutils-mingw-w64-x86-64 googletest libgtest-dev \
            libgmock-dev libbenchmark-dev libcairo2-dev libpugixml-dev lib2geom-dev libboost-dev \
            binutils locales libpolyclipping-dev libpango1.0-dev fonts-dejavu-core fonts-vlgothic

# The Windows builds: the 32-bit deliverable, and its 64-bit twin that runs under Wine.
WINDOWS_PACKAGES := cmake make python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 \
                    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine64

# libFuzzer comes with clang.
FUZZ_PACKAGES := clang libclang-rt-14-dev

DLL32 := build/mingw32/plugin-module/KerfworksPlugin.aip

FUZZ_SECONDS ?= 60
FUZZ_TARGETS := svg_reader resource_reader preference_file cut_file plugin_main

.PHONY: all deps deps-windows deps-fuzz build demo test test-native test-sanitize test-windows dll \
        fuzz bench corpus clean

all: build

# $(call install-missing,packages)
define install-missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	  | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

deps-windows:
	$(call install-missing,$(WINDOWS_PACKAGES))

deps-fuzz:
	$(call install-missing,$(PACKAGES) $(FUZZ_PACKAGES))

build: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

demo: build
	@bash tools/kwhost/demo.sh build/native

test-native: build
	ctest --preset native

test-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize
	ctest --preset sanitize

test: test-native test-sanitize

# The deliverable: the 32-bit plug-in DLL, checked as the drawing application will meet it.
dll: deps-windows
	cmake --preset mingw32 >/dev/null
	cmake --build --preset mingw32
	python3 tools/pecheck/pecheck.py $(DLL32) --res $(DLL32:.aip=.res) --machine i386

test-windows: dll
	cmake --preset mingw64 >/dev/null
	cmake --build --preset mingw64
	ctest --preset mingw64

# Each fuzz target for FUZZ_SECONDS seconds, one after the other, from its committed corpus in
# fuzz/corpus/; new inputs go to build/fuzz/corpus/, faulty ones to build/fuzz/findings/.
fuzz: deps-fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	@mkdir -p build/fuzz/findings; status=0; \
	for target in $(FUZZ_TARGETS); do \
	  echo "== $$target: $(FUZZ_SECONDS) s"; mkdir -p build/fuzz/corpus/$$target; \
	  build/fuzz/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/findings/$$target- \
	    build/fuzz/corpus/$$target fuzz/corpus/$$target || status=1; \
	done; \
	if [ $$status -ne 0 ]; then echo "fuzzing found faults: see build/fuzz/findings/"; fi; \
	exit $$status

# The side-by-side of kwhost and rsvg-convert needs only these; the tests do not.
BENCH_PACKAGES := librsvg2-bin time

bench: build
	$(call install-missing,$(BENCH_PACKAGES))
	@if [ -x build/native/bench/kw_bench ]; then build/native/bench/kw_bench; else echo "no benchmarks yet"; fi
	bash bench/kwhost_vs_rsvg.sh build/native

# kwhost on a few hundred drawings of others, compared with librsvg; installs its own packages.
# CORPUS_ARGS passes options, e.g. CORPUS_ARGS="--limit 50 --jobs 1".
corpus: build
	python3 tools/corpus/corpus_check.py $(CORPUS_ARGS)

clean:
	rm -rf build
