# Entry points for people and CI. Every target first makes sure the Debian
# packages it needs are there (scripts/install-deps.sh names the sets), then
# configures and builds; each can be run again.

BUILD_DIR   ?= build
FUZZ_DIR    ?= build-fuzz
ASAN_DIR    ?= build-asan
WIN_DIR     ?= build-windows
BUILD_TYPE  ?= RelWithDebInfo
# CI builds treat warnings as errors; local builds only show them.
WERROR      := $(if $(CI),ON,OFF)
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_RUNS   ?= 10000000
FUZZ_SMOKE_SECONDS ?= 5

CMAKE_CONFIGURE = cmake -S . -G Ninja -DZANDREL_WERROR=$(WERROR)

# Every artefact carries the source's time, never the build's: the last
# commit's, or the one a source tarball records.
SOURCE_DATE_EPOCH ?= $(shell scripts/source-date.sh)
export SOURCE_DATE_EPOCH

.PHONY: all deps deps-windows deps-release deps-test deps-fresh configure build run test test-linux test-debian12 test-debian13 test-sanitize windows bench screenshot package fuzz fuzz-build fuzz-smoke format check-format clazy release check-release clean

all: build

deps:
	@scripts/install-deps.sh run
deps-windows:
	@scripts/install-deps.sh windows
deps-release:
	@scripts/install-deps.sh release
deps-test:
	@scripts/install-deps.sh test
deps-fresh:
	@scripts/install-deps.sh fresh

configure: deps
	@$(CMAKE_CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DZANDREL_WINDOWS_TESTS_DIR=$(CURDIR)/$(WIN_DIR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Only the program and its clipboard keeper: the tests build with make test.
run: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target zandrel zandrel-clipboard-keeper
	$(BUILD_DIR)/zandrel

# Every test, the Windows build's among them, in one schedule. The runs of two
# exits beside the real clipboard manager: 20 for a longer look.
CLIPMAN_RUNS ?= 3
test: deps-test build fuzz-smoke windows
	CLIPMAN_RUNS=$(CLIPMAN_RUNS) ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

# The Linux tests alone, without the Windows build.
test-linux: deps-test build fuzz-smoke
	CLIPMAN_RUNS=$(CLIPMAN_RUNS) ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS) \
		--label-exclude windows

# The README's two commands as a newcomer types them, in a fresh minimal
# Debian 12 or 13 root in $(FRESH_DIR)12 or 13, on a clone of the commit:
# make run shows the window, the build installs, make test passes in full,
# warnings as errors (needs root or sudo; CI runs both).
FRESH_DIR ?= build-debian
test-debian12: deps-fresh
	scripts/fresh-debian.sh bookworm $(FRESH_DIR)12 CLIPMAN_RUNS=$(CLIPMAN_RUNS) JOBS=$(JOBS)
test-debian13: deps-fresh
	scripts/fresh-debian.sh trixie $(FRESH_DIR)13 CLIPMAN_RUNS=$(CLIPMAN_RUNS) JOBS=$(JOBS)

# The native Windows program, cross-built with mingw-w64 (64-bit only: the
# build machines cannot run 32-bit code, so a 32-bit build could not be
# tested), its zip and its installer. Its tests hold the core against the
# Linux build's.
windows: deps-windows build
	@cmake -S . -G Ninja -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DZANDREL_WERROR=$(WERROR) -DZANDREL_BUILD_TESTS=ON \
		-DZANDREL_BUILD_BENCH=ON \
		-DZANDREL_NATIVE_DRIVER=$(CURDIR)/$(BUILD_DIR)/tests/agreement_driver >/dev/null
	@cmake --build $(WIN_DIR) --parallel $(JOBS)
	@echo "built $(WIN_DIR)/zandrel.exe and $(WIN_DIR)/zandrel-windows-x86_64.zip"

BENCH_FLAGS = --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The whole suite again, built with AddressSanitizer and UBSan in its own
# folder so that the normal build stays fast. Leaks inside the system's
# libraries are not ours to fix; see tests/sanitizer/lsan.supp. libxkbcommon
# hands strndup() atom names that are not NUL-terminated but are long
# enough, which ASan's strict strndup check reports at every X11 start.
test-sanitize: deps-test
	@$(CMAKE_CONFIGURE) -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON \
		-DZANDREL_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) --parallel $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_strndup=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
		ctest --test-dir $(ASAN_DIR) --output-on-failure --parallel $(JOBS)

STARTUP_RUNS ?= 30

# bench_window gets the build's private runtime folder, as the tests do: Qt
# warns without one. Start-up is timed twice: with no session bus, and as on
# a desktop, with the portal long running on a session bus of its own.
bench: deps-test build windows
	$(BUILD_DIR)/bench/bench_convert $(BENCH_FLAGS)
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/test-runtime \
		$(BUILD_DIR)/bench/bench_window $(BENCH_FLAGS)
	NO_WM=1 env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/test-runtime \
		scripts/with-xvfb.sh /usr/bin/python3 bench/startup.py $(STARTUP_RUNS) \
		zandrel=$(BUILD_DIR)/zandrel floor=$(BUILD_DIR)/bench/bench_floor
	NO_WM=1 scripts/with-xvfb.sh scripts/with-gnome-session.sh bench/desktop-startup.sh \
		$(STARTUP_RUNS) zandrel=$(BUILD_DIR)/zandrel floor=$(BUILD_DIR)/bench/bench_floor
	NO_WM=1 scripts/with-xvfb.sh bench/startup-wine.sh $(STARTUP_RUNS) $(WIN_DIR)

# The README's pictures of the window, taken under Xvfb.
screenshot: deps-test build windows
	ZANDREL_DESIGN=$(CURDIR)/$(BUILD_DIR)/tests/design.tsv scripts/screenshot.sh $(BUILD_DIR) docs $(WIN_DIR)

fuzz-build: deps-test
	@CC=clang CXX=clang++ $(CMAKE_CONFIGURE) -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZANDREL_BUILD_GUI=OFF -DZANDREL_BUILD_TESTS=OFF -DZANDREL_BUILD_BENCH=OFF \
		-DZANDREL_BUILD_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) --parallel $(JOBS)

MODEL_STEPS ?= 1000000
MODEL_SEED  ?= $(shell date +%s)

# New inputs go to the build folder; the committed seeds stay as they are.
# Then a long model-checked session on the real window, with a fresh seed, and
# the build's private runtime folder, as the tests have: Qt warns without one.
fuzz: fuzz-build build
	@mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/fuzz/fuzz_convertentry -runs=$(FUZZ_RUNS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/ \
		$(FUZZ_DIR)/corpus fuzz/corpus
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/test-runtime \
		ZANDREL_MODEL_STEPS=$(MODEL_STEPS) ZANDREL_MODEL_SEED=$(MODEL_SEED) \
		$(BUILD_DIR)/tests/tst_ModelCheck randomSessions

fuzz-smoke: fuzz-build
	@mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/fuzz/fuzz_convertentry -max_total_time=$(FUZZ_SMOKE_SECONDS) \
		-artifact_prefix=$(FUZZ_DIR)/ \
		-print_final_stats=1 $(FUZZ_DIR)/corpus fuzz/corpus

# A .deb in build/, with computed dependencies.
package: build
	cd $(BUILD_DIR) && umask 022 && cpack -G DEB

# What a release publishes, in dist/: the .deb, the Windows zip and MSI, the
# source tarball and SHA256SUMS. Signed when a certificate is given; see
# docs/releasing.md.
RELEASE_DIR     ?= build-release
RELEASE_WIN_DIR ?= build-release-windows
DIST_DIR        ?= dist
release: deps-release
	@ZANDREL_WERROR=$(WERROR) scripts/release.sh $(RELEASE_DIR) $(RELEASE_WIN_DIR) $(DIST_DIR)

# Two releases from two clean clones give the same bytes, and a signed one
# verifies and installs. Several minutes: CI runs it, make test does not.
check-release: deps-test deps-release build
	ZANDREL_DESIGN=$(CURDIR)/$(BUILD_DIR)/tests/design.tsv tests/release/check_release.sh

format: configure
	@cmake --build $(BUILD_DIR) --target format

# What CI checks besides the tests: the committed format, and clazy.
check-format: deps-test
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clazy: deps-test build fuzz-build
	@scripts/clazy.sh $(BUILD_DIR) $(FUZZ_DIR)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(ASAN_DIR) $(WIN_DIR) $(RELEASE_DIR) $(RELEASE_WIN_DIR) $(DIST_DIR) \
		$(FRESH_DIR)12 $(FRESH_DIR)13
