# Vantrel: the two commands a player or developer needs are `make play` and
# `make test`; both install what is missing, configure and build first.

BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
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
	libsdl1.2-compat lintian desktop-file-utils appstream \
	tesseract-ocr tesseract-ocr-fra \
	python3-fonttools clang libclang-rt-14-dev

# The browser build's toolchain, browsers (the suite runs in Chromium,
# Firefox ESR and WebKitGTK's MiniBrowser under Xvfb), font subsetter, WebP
# encoder and script minifier, and ImageMagick for the 512-pixel icon:
# only `make web` and `make test` install them, never `make play`.
WEB_PACKAGES := emscripten chromium firefox-esr webkit2gtk-driver xvfb nodejs npm fonttools webp terser imagemagick

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps deps-play deps-web configure configure-play build build-play play test test-asan test-web \
	fuzz-build test-fuzz fuzz \
	web serve-web bench screenshots screenshots-web install package clean

# Installs only what is missing; does nothing when everything is there.
# deps-play is enough for `make play`; deps installs both lists; deps-web the
# browser build's. A package counts as there when an installed one provides
# it (NodeSource's nodejs provides npm).
deps-play: PACKAGES = $(PLAY_PACKAGES)
deps: PACKAGES = $(PLAY_PACKAGES) $(TEST_PACKAGES)
deps-web: PACKAGES = $(WEB_PACKAGES)
deps deps-play deps-web:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || \
	  dpkg-query -W -f='$${Status} $${Provides}\n' 2>/dev/null | grep -Eq "^install ok installed .*(^| |,)$$p( |,|\$$)" || \
	  missing="$$missing $$p"; \
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

# Only the game, the art tool and the runtime folder (with the icons): two
# targets, so that the game compiles while the art is drawn.
build-play: configure-play
	cmake --build $(BUILD_DIR) -j$(JOBS) --target vantrel runtime_files

# The game reads image/ and arial.ttf from its working directory.
play: build-play
	cd $(BUILD_DIR)/game && ./vantrel

# Every suite in the normal build, then the unit, display, loop and soak
# suites again under AddressSanitizer and UBSan, then a short run of each
# fuzz target, then the browser build.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-fuzz
	$(MAKE) --no-print-directory test-web

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_REQUIRE_TESTS=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS) -LE e2e

# The fuzz targets (fuzz/), built with clang's libFuzzer, AddressSanitizer
# and UBSan in a folder of their own and seeded with the files the normal
# build made. test-fuzz runs each for a fixed number of inputs; fuzz runs
# each for FUZZ_SECONDS, keeping its corpus and crashes under
# $(FUZZ_DIR)/fuzz/long/.
FUZZ_SECONDS ?= 300
fuzz-build: build
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON \
	  -DVANTREL_FUZZ_SEEDS=$(CURDIR)/$(BUILD_DIR)/game -DVANTREL_FUZZ_FONT_TEXT=$(CURDIR)/$(BUILD_DIR)/icons/web/font-text.txt
	cmake --build $(FUZZ_DIR) -j$(JOBS)

test-fuzz: fuzz-build
	cd $(FUZZ_DIR) && ctest --output-on-failure

fuzz: fuzz-build
	bash fuzz/run_fuzzer.sh $(FUZZ_DIR)/fuzz/bitmap_fuzz $(BUILD_DIR)/game/image $(FUZZ_DIR)/fuzz/long/bitmap \
	  -max_total_time=$(FUZZ_SECONDS)
	bash fuzz/run_fuzzer.sh $(FUZZ_DIR)/fuzz/font_fuzz $(FUZZ_DIR)/fuzz/seeds/font $(FUZZ_DIR)/fuzz/long/font \
	  -max_total_time=$(FUZZ_SECONDS)

# The browser build: build/web/ is a static folder (page, script, wasm, data)
# made from the same sources and the art the native build draws. With
# NodeSource's node, emcc finds Debian's JavaScript modules only through
# NODE_PATH (web/CMakeLists.txt sets it for its own links).
WEB_DIR := $(BUILD_DIR)/web
web: configure-play deps-web
	cmake --build $(BUILD_DIR) -j$(JOBS) --target runtime_files
	NODE_PATH=/usr/share/nodejs emcmake cmake -S web -B $(BUILD_DIR)/web-build -DCMAKE_BUILD_TYPE=Release \
	  -DVANTREL_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/game -DVANTREL_WEB_ICON_DIR=$(CURDIR)/$(BUILD_DIR)/icons/web \
	  -DVANTREL_WEB_OUTPUT=$(CURDIR)/$(WEB_DIR)
	cmake --build $(BUILD_DIR)/web-build -j$(JOBS)

# Serves build/web/ on http://127.0.0.1:8000/ (WEB_PORT to change it;
# WEB_THROTTLE=1 answers as a 1.6 Mbit/s line with 150 ms would).
WEB_PORT ?= 8000
serve-web: web
	node web/serve.js $(WEB_DIR) $(WEB_PORT) $(if $(WEB_THROTTLE),--throttle)

# The test driver (puppeteer-core, which downloads no browser) from the
# lock file, reinstalled only when the lock file changes.
web/node_modules/.package-lock.json: web/package-lock.json | deps-web
	cd web && npm ci --no-audit --no-fund

test-web: web web/node_modules/.package-lock.json
	node web/test/browser_test.js $(WEB_DIR) $(BUILD_DIR)/game

# The README's picture of the page, taken by the browser suite.
screenshots-web: web web/node_modules/.package-lock.json
	VANTREL_ENGINES=chromium node web/test/browser_test.js $(WEB_DIR) $(BUILD_DIR)/game docs

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
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) web/node_modules
