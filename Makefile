# Tarnik: `make run` builds and starts the program, `make test` builds and runs every test.
# The three configurations of `make test` treat every compiler warning as an error.
BUILD      ?= build
ASAN_BUILD ?= build-asan
ASAN_APP_BUILD ?= build-asan-app
WIN_BUILD  ?= build-windows
WIN_APP_BUILD ?= build-windows-app
# Qt and libzip for Windows, built once by scripts/build-windows-deps (outside the repository).
TARNIK_WINDOWS_CACHE ?= $(HOME)/.cache/tarnik-windows
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all deps test-deps build run test test-plain test-asan test-asan-app test-windows \
	windows-deps windows-build windows test-windows-app bench format format-check clean

all: build

deps:
	@./scripts/install-deps

test-deps:
	@./scripts/install-deps --tests

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNIK_WERROR=ON $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The program and its data only, not the tests and the benchmarks.
run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target tarnik tarnik_data
	./$(BUILD)/bin/tarnik

# Every test headless; then under AddressSanitizer and UBSan, in two builds: the core alone,
# configured without Qt (which proves that it needs none), and the program with its tests.
# Leaks are reported everywhere: Qt's own libraries are not instrumented, and none of them has
# needed a suppression so far.
test: test-plain test-asan test-asan-app test-windows

test-plain: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Debug \
		-DTARNIK_BUILD_APP=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DTARNIK_BUILD_BENCH=OFF \
		-DTARNIK_SANITIZE=ON -DTARNIK_WERROR=ON

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target core_tests
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j$(JOBS)

# The core tests have run under the sanitizers above: only the program's are built here.
$(ASAN_APP_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_APP_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARNIK_BUILD_APP=ON \
		-DTARNIK_BUILD_BENCH=OFF -DTARNIK_SANITIZE=ON -DTARNIK_WERROR=ON

test-asan-app: test-deps $(ASAN_APP_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_APP_BUILD) -j$(JOBS) --target app_tests
	cd $(ASAN_APP_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j$(JOBS) -R '^app_'

# The core and its GoogleTest suite cross-compiled for 64-bit Windows with MinGW-w64 (GoogleTest
# from Debian's sources, built with the same compiler) and run under Wine, in a Wine prefix of
# the build's own. Optimised as the other builds are (-O2, without debugging information: -O3
# makes this compiler report a false -Wrestrict inside std::string).
$(WIN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
		-DTARNIK_BUILD_APP=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
		-DTARNIK_BUILD_BENCH=OFF -DTARNIK_WERROR=ON

test-windows: test-deps $(WIN_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) -j$(JOBS) --target core_tests
	cd $(WIN_BUILD) && WINEPREFIX="$$PWD/wine" WINEDEBUG=-all ctest --output-on-failure

# The program for Windows and its installer (not part of `make test`: the first build of Qt
# for Windows takes about 40 minutes). `make windows` builds Qt and libzip for MinGW-w64 once
# into $(TARNIK_WINDOWS_CACHE), cross-builds the program against them, installs it into
# $(WIN_APP_BUILD)/install, packs that folder into tarnik-setup-VERSION.exe with NSIS and checks
# the installer under Wine (scripts/check-windows-installer). `make test-windows-app` runs the
# program's own tests under Wine with the offscreen platform.
VERSION := $(shell sed -n 's/^project.Tarnik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
WIN_QT = $(TARNIK_WINDOWS_CACHE)/qt-6.4.2-mingw
WIN_LIBZIP = $(TARNIK_WINDOWS_CACHE)/libzip-1.7.3-mingw
WIN_ENV = PKG_CONFIG_LIBDIR=$(WIN_LIBZIP)/lib/pkgconfig PKG_CONFIG_PATH= \
	WINEPREFIX="$(CURDIR)/$(WIN_APP_BUILD)/wine" WINEDEBUG=-all

windows-deps:
	@./scripts/install-deps --windows
	TARNIK_WINDOWS_CACHE="$(TARNIK_WINDOWS_CACHE)" JOBS=$(JOBS) ./scripts/build-windows-deps

$(WIN_APP_BUILD)/CMakeCache.txt:
	$(WIN_ENV) cmake -S . -B $(WIN_APP_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DTARNIK_WINDOWS_PREFIXES="$(WIN_QT);$(WIN_LIBZIP)" \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
		-DCMAKE_EXE_LINKER_FLAGS="" -DTARNIK_BUILD_BENCH=OFF -DTARNIK_WERROR=ON

windows-build: windows-deps $(WIN_APP_BUILD)/CMakeCache.txt
	$(WIN_ENV) cmake --build $(WIN_APP_BUILD) -j$(JOBS) --target tarnik tarnik_data

windows: build windows-build
	rm -rf $(WIN_APP_BUILD)/install
	cmake --install $(WIN_APP_BUILD) --prefix $(WIN_APP_BUILD)/install
	./scripts/make-windows-installer $(WIN_APP_BUILD)/install $(VERSION) \
		tarnik-setup-$(VERSION).exe $(WIN_APP_BUILD)/icons/tarnik.ico
	cmake --build $(BUILD) -j$(JOBS) --target tarnik_fixture_files
	./scripts/check-windows-installer tarnik-setup-$(VERSION).exe $(BUILD) $(WIN_APP_BUILD)/check

# The tests run as on a Polish Windows (code page 1250) whose file names reach Linux as UTF-8:
# Wine takes both from the Polish UTF-8 locale, made for the build with localedef. One test at a
# time: the programs under test share the registry.
$(WIN_APP_BUILD)/locale/pl_PL.UTF-8:
	mkdir -p $(WIN_APP_BUILD)/locale
	localedef -i pl_PL -f UTF-8 $@

test-windows-app: windows-build $(WIN_APP_BUILD)/locale/pl_PL.UTF-8
	$(WIN_ENV) cmake --build $(WIN_APP_BUILD) -j$(JOBS) --target app_tests
	cd $(WIN_APP_BUILD) && $(WIN_ENV) WINEPATH='Z:\usr\bin' LOCPATH="$$PWD/locale" \
		LC_ALL=pl_PL.UTF-8 ctest --output-on-failure -R '^app_'

bench: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target tarnik_bench
	./$(BUILD)/bin/tarnik_bench
	@if cmake --build $(BUILD) --target help | grep -q tarnik_print_bench; then \
		cmake --build $(BUILD) -j$(JOBS) --target tarnik_print_bench tarnik_workers_bench \
			tarnik_report_bench tarnik_register_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_print_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_workers_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_report_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_register_bench; \
	fi

FORMAT_SOURCES = find core app tests bench \( -name '*.cpp' -o -name '*.h' \) -print0

format:
	$(FORMAT_SOURCES) | xargs -0 clang-format -i

# Fails, naming the files, when a source is not formatted as .clang-format says.
format-check: deps
	$(FORMAT_SOURCES) | xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(ASAN_APP_BUILD) $(WIN_BUILD) $(WIN_APP_BUILD)
