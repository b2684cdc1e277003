# Tarnik: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all deps build run test test-asan bench format clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/bin/tarnik

# Every test headless, then the core tests again under AddressSanitizer and UBSan.
test: build test-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARNIK_BUILD_APP=OFF \
		-DTARNIK_BUILD_BENCH=OFF -DTARNIK_SANITIZE=ON

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target core_tests
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS)

bench: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target tarnik_bench
	./$(BUILD)/bin/tarnik_bench
	@if cmake --build $(BUILD) --target help | grep -q tarnik_print_bench; then \
		cmake --build $(BUILD) -j$(JOBS) --target tarnik_print_bench tarnik_workers_bench \
			tarnik_report_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_print_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_workers_bench && \
		QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/tarnik_report_bench; \
	fi

format:
	find core app tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
