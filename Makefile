# Two commands do everything on a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
SANBUILD ?= build-san
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test sanitizers bench clean

all: build

deps:
	@./scripts/instalar-dependencias.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Only the game itself: the tests, benchmarks and tools build under `make test`
# and their own targets.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tumbla
	./$(BUILD)/tumbla

# Every test of the normal build, then the game, its window and their tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer (any report
# fails; tests/lsan.supp lists the leaks of desktop libraries, not ours).
test: build sanitizers
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j$(JOBS)

sanitizers: deps
	@cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUMBLA_BUILD_UI=ON -DTUMBLA_BUILD_BENCH=OFF -DTUMBLA_SANITIZE=ON >/dev/null
	@cmake --build $(SANBUILD) -j$(JOBS)

bench: build
	./$(BUILD)/tumbla-bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tumbla-bench-editor

# A long soak of every level under the sanitizers: SOAK_EVENTS events over
# the 296 levels, from seed SOAK_SEED ("azar" draws one; every run prints its
# own, and a failing run leaves its replay script in $(SANBUILD)/tests).
SOAK_EVENTS ?= 1200000
SOAK_SEED ?= azar
.PHONY: soak
soak: sanitizers
	cd $(SANBUILD)/tests && TUMBLA_SOAK_EVENTOS=$(SOAK_EVENTS) TUMBLA_SOAK_SEMILLA=$(SOAK_SEED) \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./tumbla_pruebas_motor --gtest_filter='Soak.cadaNivel*' > soak.log 2>&1; r=$$?; cat soak.log; \
	  test $$r = 0 && grep -q '^\[  PASSED  \] 1 test' soak.log || { echo "soak: failed, or no soak test ran" >&2; exit 1; }

# Every level played by the computer player at full speed and at a person's
# pace (0.4 s to think, 80 ms a key), LEVEL_SEEDS games each and more where a
# house rule's verdict is still open (see README): tables and charts in
# $(BUILD)/niveles, and the house rules checked.
LEVEL_SEEDS ?= 10
LEVEL_SEED_BASE ?= 90001
.PHONY: levels
levels: build
	@mkdir -p $(BUILD)/niveles
	./$(BUILD)/tumbla-autoplay --semillas $(LEVEL_SEEDS) --semilla-base $(LEVEL_SEED_BASE) --comprobar \
	  --tabla $(BUILD)/niveles/rapido.txt --grafico $(BUILD)/niveles/rapido.svg
	./$(BUILD)/tumbla-autoplay --semillas $(LEVEL_SEEDS) --semilla-base $(LEVEL_SEED_BASE) --persona --comprobar \
	  --tabla $(BUILD)/niveles/persona.txt --grafico $(BUILD)/niveles/persona.svg
	@tail -n 9 $(BUILD)/niveles/rapido.txt
	@tail -n 9 $(BUILD)/niveles/persona.txt

# The computer player's weights tuned again, as src/jugador/pesos.txt records
# it (see README): hours on two cores, not part of `make test`.
.PHONY: afinar
afinar: build
	./scripts/afinar.sh $(BUILD)

# Each parser's fuzz target (settings file, level records, replay scripts,
# packs of levels, share codes, replay files),
# built with clang, libFuzzer and both sanitizers in $(FUZZBUILD), runs
# FUZZ_SECONDS on a copy of its corpus (tests/fuzz/corpus); any crash, leak,
# failed check or hang fails.
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@./scripts/instalar-dependencias.sh fuzz
	@cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DTUMBLA_FUZZ=ON -DTUMBLA_BUILD_UI=OFF -DTUMBLA_BUILD_TESTS=OFF -DTUMBLA_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(FUZZBUILD) -j$(JOBS) --target fuzz-ini fuzz-niveles fuzz-guion fuzz-paquete fuzz-codigo fuzz-repeticion
	@./scripts/fuzz.sh $(FUZZBUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD)

# Installs the game under PREFIX; DESTDIR is honoured (for packagers).
#   make install PREFIX=/usr DESTDIR=/tmp/raiz
# The Debian package tumbla_<version>_<arch>.deb is written into $(BUILD);
# package-check builds it and checks its fields and file list (slow, so it is
# not part of `make test`).
PREFIX ?= /usr/local
.PHONY: install package package-check

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cmake --build $(BUILD) --target package

package-check: build
	cmake --build $(BUILD) --target comprobar-paquete
