# Vantrel: the two commands a player or developer needs are `make play` and
# `make test`; both install what is missing, configure and build first.

BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= 2

# The Debian packages, in two lists: what building and playing the game
# needs, and what the tests, benchmarks and the package checks add to it.
PLAY_PACKAGES := \
	cmake g++ make pkg-config \
	libsdl1.2-dev libsdl-ttf2.0-dev libsdl-image1.2-dev \
	libcairo2-dev fonts-liberation fonts-liberation2 fonts-dejavu-core
TEST_PACKAGES := \
	libgtest-dev libgmock-dev libbenchmark-dev clang-format \
	xvfb xdotool imagemagick valgrind dpkg-dev \
	libsdl1.2-compat lintian desktop-file-utils appstream

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps deps-play configure configure-play build build-play play test test-asan bench screenshots \
	install package clean

# Installs only what is missing; does nothing when everything is there.
# deps-play is enough for `make play`; deps installs both lists.
deps-play: PACKAGES = $(PLAY_PACKAGES)
deps: PACKAGES = $(PLAY_PACKAGES) $(TEST_PACKAGES)
deps deps-play:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

# The test suites and benchmarks are configured when their libraries are
# present; `make test` insists on them, so a missing one cannot skip them.
configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVANTREL_REQUIRE_TESTS=ON

configure-play: deps-play
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DVANTREL_REQUIRE_TESTS=OFF

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# Only the game, the art tool and the runtime folder (with the icons).
build-play: configure-play
	cmake --build $(BUILD_DIR) -j$(JOBS) --target vantrel

# The game reads image/ and arial.ttf from its working directory.
play: build-play
	cd $(BUILD_DIR)/game && ./vantrel

# Every suite in the normal build, then the unit, display, loop and soak
# suites again under AddressSanitizer and UBSan.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_REQUIRE_TESTS=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS) -LE e2e

bench: build
	@for b in $(BUILD_DIR)/bench/*/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; (cd $(BUILD_DIR)/game && "$(CURDIR)/$$b") || exit 1; \
	done

# Screenshots for the README, taken from the game in a real X window.
screenshots: build
	bash tests/e2e/game_e2e.sh window $(BUILD_DIR)/game docs
	bash tests/e2e/game_e2e.sh round $(BUILD_DIR)/game docs

# PREFIX and DESTDIR as usual: make install PREFIX=/usr DESTDIR=/tmp/stage
PREFIX ?= /usr/local
install: configure-play
	cmake --build $(BUILD_DIR) -j$(JOBS) --target vantrel_dist
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A .deb for `apt install ./vantrel_*.deb`, written into the build folder;
# cpack builds what is missing first, and the play packages are enough.
package: configure-play
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
