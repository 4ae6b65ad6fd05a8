# make run   - install what is missing, build, deliver the database file if none exists, start
# make test  - install what is missing, build, run every test (offscreen)
# make bench - build and run the benchmarks on a generated database
BUILD ?= build
JOBS ?= 2
BENCH_STATEMENTS ?= 10000

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > $(BUILD).configure.log 2>&1 \
	  || { cat $(BUILD).configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target worthsheet deliver-database
	@$(BUILD)/deliver-database
	@$(BUILD)/worthsheet

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@test -f $(BUILD)/bench-$(BENCH_STATEMENTS).ABS || $(BUILD)/make_fixture $(BENCH_STATEMENTS) $(BUILD)/bench-$(BENCH_STATEMENTS).ABS
	@QT_QPA_PLATFORM=offscreen WORTHSHEET_BENCH_DB=$(BUILD)/bench-$(BENCH_STATEMENTS).ABS \
	  $(BUILD)/worthsheet_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD) $(BUILD).configure.log
