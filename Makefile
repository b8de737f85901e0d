# The two commands of the README: `make run` and `make test`. Both install what is
# missing from Debian, then configure and build into build/.
BUILD_DIR      := build
SANITIZE_DIR   := build-sanitize
FUZZ_DIR       := build-fuzz
FUZZ_SECONDS   ?= 60
JOBS           ?= $(shell nproc)

.PHONY: deps build run test test-sanitize fuzz fuzz-build bench bench-peers package clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "netquill needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it with: xvfb-run -a $(BUILD_DIR)/netquill"; \
	  exit 1; \
	fi
	./$(BUILD_DIR)/netquill

# The short fuzz run comes first, so that CTest's summary closes the output.
test: build test-sanitize
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The core again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DNETQUILL_SANITIZE=ON -DNETQUILL_CORE_ONLY=ON
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# netquill-cli timed against sipcalc and ipcalc-ng (installed from Debian first).
bench-peers: build
	bash scripts/install-deps.sh peers
	bash bench/peers.sh $(BUILD_DIR)

# The Debian package: build/netquill_<version>_<arch>.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Every fuzz target for FUZZ_SECONDS (60 by default), under ASan and UBSan.
fuzz: fuzz-build
	bash scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-build: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DNETQUILL_FUZZ=ON -DNETQUILL_SANITIZE=ON -DNETQUILL_CORE_ONLY=ON
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)

bench: build
	@for benchmark in $(BUILD_DIR)/bench/*_bench; do $$benchmark; done

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
