# Front door: `make run` and `make test` do all set-up on Debian 12.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

SANITIZE_DIR ?= build-sanitize
# verify_asan_link_order: the process tests start the program under stdbuf,
# whose preloaded library would otherwise stop the sanitized run;
# allocator_may_return_null: under a memory limit an allocation fails as it
# does without the sanitizers, and the program says so.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:allocator_may_return_null=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 120

LINT_SOURCES = $(shell git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')

.PHONY: all deps configure build run install package test test-sanitize fuzz lint bench clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/sharpa

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A .deb in the build folder; its file list is checked by tools/check-package.sh.
package: build
	cd $(BUILD_DIR) && cpack
	./tools/check-package.sh $(BUILD_DIR)/sharpa_*.deb

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DSHARPA_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# A bounded run; new findings go to $(FUZZ_DIR)/corpus, never into the repo.
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DSHARPA_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_settings
	mkdir -p $(FUZZ_DIR)/corpus
	$(SANITIZER_ENV) ./$(FUZZ_DIR)/fuzz_settings -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
		-max_len=256 $(FUZZ_DIR)/corpus tests/fuzz/corpus

# clang-format's verdict on every source, then clang-tidy on the project's own
# code (not on what moc and uic generate). Qt Test's variadic macros, used
# without arguments, draw a pedantic note from clang that is Qt's, not ours.
lint: build
	clang-format --dry-run --Werror $(LINT_SOURCES)
	run-clang-tidy -p $(BUILD_DIR) -quiet -header-filter='^$(CURDIR)/(src|tests|bench)/' \
		-extra-arg=-Wno-gnu-zero-variadic-macro-arguments \
		'^$(CURDIR)/(src|tests|bench)/.*\.cpp$$'

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/sharpa_bench
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./$(BUILD_DIR)/bench/sharpa_bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
