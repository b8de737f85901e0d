# The two commands of the README: `make run` and `make test`. Both install what is
# missing from Debian, then configure and build into build/.
BUILD_DIR      := build
SANITIZE_DIR   := build-sanitize
JOBS           ?= $(shell nproc)

.PHONY: deps build run test test-sanitize bench package clean

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

test: build test-sanitize
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The core again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DNETQUILL_SANITIZE=ON -DNETQUILL_CORE_ONLY=ON
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# The Debian package: build/netquill_<version>_<arch>.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@for benchmark in $(BUILD_DIR)/bench/*_bench; do $$benchmark; done

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
