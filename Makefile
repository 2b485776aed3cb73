# The user's entry points. Every target installs the Debian packages it needs when they are missing.
SHELL := /bin/bash

PACKAGES := cmake make g++ python3 binutils-mingw-w64-x86-64 googletest libgtest-dev \
            libgmock-dev libbenchmark-dev libcairo2-dev libpugixml-dev lib2geom-dev libboost-dev \
            binutils locales

.PHONY: all deps build demo test test-native test-sanitize bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	  | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

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

bench: build
	@if [ -x build/native/bench/kw_bench ]; then build/native/bench/kw_bench; else echo "no benchmarks yet"; fi

clean:
	rm -rf build
