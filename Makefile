# Two commands do everything on a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@./scripts/instalar-dependencias.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/tumbla

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD)/tumbla-bench

clean:
	rm -rf $(BUILD)
