# make run           - install what is missing, build, deliver the database file if none exists, start
# make test          - install what is missing, build, run every test (offscreen)
# make test-sanitize - the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench         - build and run the benchmarks on a generated database
# make package       - build the Debian package build/worthsheet_<version>_<arch>.deb
# make package-check - build it and check it: contents, desktop files, lintian, a first start
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
BENCH_STATEMENTS ?= 10000

.PHONY: deps configure build run test test-sanitize bench package package-check clean

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

# Debug information without optimisation keeps the sanitizer build quick; the benchmarks
# are left out.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWORTHSHEET_SANITIZE=ON \
	  -DWORTHSHEET_BENCH=OFF > $(SANITIZE_BUILD).configure.log 2>&1 || { cat $(SANITIZE_BUILD).configure.log; exit 1; }
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fixture is generated once per size (make_fixture, see the README) and kept.
bench: build
	@test -f $(BUILD)/bench-$(BENCH_STATEMENTS)-r3.ABS || $(BUILD)/make_fixture $(BENCH_STATEMENTS) $(BUILD)/bench-$(BENCH_STATEMENTS)-r3.ABS
	@QT_QPA_PLATFORM=offscreen WORTHSHEET_BENCH_DB=$(BUILD)/bench-$(BENCH_STATEMENTS)-r3.ABS \
	  $(BUILD)/worthsheet_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# From the same build folder as make test: only the program and the package's files are built.
package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target package-files
	@rm -f $(BUILD)/worthsheet_*.deb
	@cd $(BUILD) && cpack -G DEB

package-check: package
	@bash scripts/check-package.sh $(BUILD)/worthsheet_*.deb

clean:
	rm -rf $(BUILD) $(BUILD).configure.log $(SANITIZE_BUILD) $(SANITIZE_BUILD).configure.log
