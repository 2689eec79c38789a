# The two commands of a fresh Debian machine: `make test` and `make run`.
JOBS    ?= $(shell nproc)
BUILD   ?= build
SANBUILD ?= build-san
PREFIX  ?= /usr/local
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: test run install build deps sanitize fuzz clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_SANITIZE=ON -DTAVRIN_BENCH=OFF
	cmake --build $(SANBUILD) -j $(JOBS)
	ctest --test-dir $(SANBUILD) -L sanitize --no-tests=error --output-on-failure -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --no-tests=error --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize

# Starts the program from the build tree in the user's data folder, as the installed launcher does.
run: build
	@TAVRIN_PROGRAM=$(CURDIR)/$(BUILD)/app/tavrin TAVRIN_DATS=$(CURDIR)/dats exec scripts/tavrin

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTAVRIN_FUZZ=ON -DTAVRIN_BENCH=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZBUILD) -j $(JOBS)
	@for target in $(FUZZBUILD)/fuzz/fuzz_*; do \
	  echo "== $$target"; mkdir -p $(FUZZBUILD)/corpus/$$(basename $$target); \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZBUILD)/corpus/$$(basename $$target) fuzz/seeds/$$(basename $$target) || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD)
