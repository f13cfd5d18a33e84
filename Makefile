# SPDX-FileCopyrightText: 2026 The Rusket authors
# SPDX-License-Identifier: MIT
# Two entry points: `make run` builds and starts Rusket, `make test` builds and runs every
# test. Both install the Debian packages they miss first.

PACKAGES := cmake make g++ qt6-base-dev libxcb1-dev libgl-dev xvfb xauth xdotool xclip x11-utils clang libclang-rt-dev fonts-dejavu-core \
	dpkg-dev desktop-file-utils appstream man-db dbus-daemon reuse lintian qt6-tools-dev qt6-l10n-tools \
	qt6-translations-l10n locales
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: run test deps configure build build-sanitize fuzz package screenshot clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUSKET_END_TO_END=ON

build: configure
	cmake --build build -j$(JOBS)

# The display is checked before anything is installed or built, and only the program is built.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found. On a machine without a desktop, run: xvfb-run make run"; exit 1; \
	fi
	$(MAKE) --no-print-directory configure
	cmake --build build -j$(JOBS) --target rusket
	./build/rusket

# Built with clang, like the fuzz targets: a second compiler beside the main build's.
build-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DRUSKET_SANITIZE=ON \
		-DRUSKET_END_TO_END=OFF
	cmake --build build-sanitize -j$(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DRUSKET_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzz_targets
	cd build-fuzz && ctest --output-on-failure -L fuzz

test: build build-sanitize fuzz
	cd build && ctest --output-on-failure
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure

package: build
	cd build && cpack -G DEB

# The README's pictures and its table of formats, from the program itself (a test checks them).
screenshot: configure
	cmake --build build -j$(JOBS) --target rusket screenshot
	tools/docs.sh write build

clean:
	rm -rf build build-sanitize build-fuzz
