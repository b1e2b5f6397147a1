# The two commands a new machine needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
GAME_DIR   := $(BUILD)/Velmarith
CMAKE_ARGS ?=

.PHONY: all deps configure build run test editor bench fuzz sanitize check-data clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(GAME_DIR) && ./velmarith

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

editor: build
	VELMARITH_INI=$(abspath $(GAME_DIR))/INI $(BUILD)/sysedit/sysedit

bench: build
	bash scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	bash scripts/run-fuzzers.sh

# The test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer. The slow
# scripted runs (labels `script` and `slow` both) are left out: they replay long flows of the
# same code that the short scripts and the tests cover, and `make test` runs them unsanitized.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMARITH_SANITIZE=ON -DVELMARITH_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure -LE script -LE slow

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
