# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINLEAF_WERROR=ON

.PHONY: all deps configure build run test bench format clean install

all: build

deps:
	@bash scripts/deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@bash scripts/run

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@cmake --build $(BUILD) -j$(JOBS) --target bench_floor bench_drag_update bench_store_write \
		bench_special_refresh bench_print_note
	@bash bench/startup
	@bash bench/drag
	@bash bench/durability
	@bash bench/special
	@bash bench/print

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

install: build
	@cmake --install $(BUILD)

clean:
	@rm -rf $(BUILD)
