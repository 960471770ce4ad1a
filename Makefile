# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINLEAF_WERROR=ON
# Fuzzing: a separate clang build with sanitizers; each target runs FUZZ_SECONDS in turn.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= fuzz_store_reader fuzz_note_file fuzz_append
FUZZ_PACKAGES = clang libclang-rt-14-dev
# The Windows build (make windows): cross-built with MinGW-w64, tested under Wine.
WIN_BUILD ?= build-win

# The build's own makefiles run as sub-makes: without this each would announce every folder it
# enters and leaves. Warnings and errors still show.
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build program run pictures test bench fuzz fuzz-build format lint clean install \
	uninstall windows

all: build

# Every package of every target; each target below installs only what it needs itself.
deps:
	@bash scripts/deps

configure:
	@bash scripts/deps --build
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The program alone, without the test programs: what running and installing need.
program: configure
	@cmake --build $(BUILD) -j$(JOBS) --target pinleaf

run: program
	@bash scripts/deps --run
	@bash scripts/run

# The note's pictures drawn into PNG files from their SVG files, after an SVG has changed.
pictures: configure
	@cmake --build $(BUILD) -j$(JOBS) --target render_pictures
	@QT_QPA_PLATFORM=offscreen $(BUILD)/render_pictures resources/icons

# The Windows tests run too when make windows has set up the cross toolchain.
test: build
	@bash scripts/deps --test
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@JOBS=$(JOBS) bash scripts/windows/test $(WIN_BUILD)

# Pinleaf.exe, its tests and $(WIN_BUILD)/Pinleaf-<version>-win64.zip; the first run also builds Qt
# for Windows from Debian's source package into a cache folder (about half an hour).
windows:
	@JOBS=$(JOBS) bash scripts/windows/build $(WIN_BUILD)

bench: build
	@bash scripts/deps --test
	@cmake --build $(BUILD) -j$(JOBS) --target bench_floor bench_drag_update bench_store_write \
		bench_special_refresh bench_print_note bench_find_notes
	@bash bench/startup
	@bash bench/drag
	@bash bench/durability
	@bash bench/special
	@bash bench/print
	@bash bench/find

fuzz-build:
	@bash scripts/deps --build
	@bash scripts/deps $(FUZZ_PACKAGES)
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DPINLEAF_FUZZ=ON -DPINLEAF_WERROR=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZ_TARGETS)

fuzz: fuzz-build
	@bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

format:
	@bash scripts/deps clang-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# clang-tidy (.clang-tidy) over src/ and the formatting check of every file; not part of test.
lint: configure
	@bash scripts/deps --lint
	@bash scripts/lint $(BUILD) $(JOBS)

# Into PREFIX (DESTDIR for a staging folder); uninstall removes what the last install put where
# it put it, as $(BUILD)/install_record.txt lists it.
install: program
	@bash scripts/install $(BUILD) $(PREFIX) $(BUILD)/install_record.txt

uninstall:
	@bash scripts/uninstall $(BUILD)/install_record.txt

clean:
	@rm -rf $(BUILD) $(FUZZ_BUILD) $(WIN_BUILD)
