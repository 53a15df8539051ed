# Two commands set everything up: `make run` and `make test`.
# Each first installs what this Debian machine is missing, then configures
# and builds with CMake presets.

PACKAGES := cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev \
            libgtest-dev libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra \
            xvfb dbus at-spi2-core python3 python3-pyatspi
# Running the window under a platform theme with a dark palette and its own fonts
PACKAGES += qt6ct
# Hearing what a screen reader says at every stop
PACKAGES += orca
# Building and checking the .deb, its desktop entry and metadata
PACKAGES += dpkg-dev fakeroot file gzip desktop-file-utils appstream lintian
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test sanitize screenshots bench fuzz install package clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	./build/default/ohmbench

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

test: build sanitize
	ctest --preset default -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

screenshots: build
	cmake --build --preset default --target screenshots

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS) --target bench_values bench_startup bench_handlers
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_values
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_startup
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_handlers

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	@for f in build/fuzz/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build/fuzz/ build/fuzz/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

PREFIX ?= /usr/local
install: build
	cmake --install build/default --prefix $(PREFIX)

package: build
	cmake --build --preset default --target package

clean:
	rm -rf build
