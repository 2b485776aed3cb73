# The user's entry points. Every target installs the Debian packages it needs when they are missing.
SHELL := /bin/bash

PACKAGES := cmake make g++ python3 binutils-mingw-w64-x86-64 googletest libgtest-dev \
            libgmock-dev libbenchmark-dev libcairo2-dev libpugixml-dev lib2geom-dev libboost-dev \
            binutils locales

# The Windows builds: the 32-bit deliverable, and its 64-bit twin that runs under Wine.
WINDOWS_PACKAGES := cmake make python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 \
                    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine64

DLL32 := build/mingw32/plugin-module/KerfworksPlugin.aip

.PHONY: all deps deps-windows build demo test test-native test-sanitize test-windows dll bench clean

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

# The side-by-side of kwhost and rsvg-convert needs only these; the tests do not.
BENCH_PACKAGES := librsvg2-bin time

bench: build
	$(call install-missing,$(BENCH_PACKAGES))
	@if [ -x build/native/bench/kw_bench ]; then build/native/bench/kw_bench; else echo "no benchmarks yet"; fi
	bash bench/kwhost_vs_rsvg.sh build/native

clean:
	rm -rf build
