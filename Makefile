# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Selvane: the two everyday commands are `make run` and `make test`.
BUILD_DIR ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS = -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_ARGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/selvane

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

BENCH_FLAGS = --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
bench: build
	$(BUILD_DIR)/bench/selvane_bench $(BENCH_FLAGS)
	$(BUILD_DIR)/bench/selvane_window_bench $(BENCH_FLAGS)
	$(BUILD_DIR)/bench/selvane_places_bench $(BENCH_FLAGS)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-asan
