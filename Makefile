# The two entry points of the project: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found. Run the program under a virtual display:"; \
		echo "  xvfb-run -a -s '-screen 0 1280x900x24' $(BUILD_DIR)/svidary"; \
	else \
		cd $(BUILD_DIR) && ./svidary; \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: build
	cmake --build $(BUILD_DIR) -j$(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD_DIR)
