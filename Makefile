# The two commands: `make run` and `make test`. Both set up the machine first.
BUILD ?= build
JOBS ?= $(shell nproc)
export XDG_RUNTIME_DIR ?= /tmp/bussolino-runtime-$(shell id -u)

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps

build: deps
	@mkdir -p -m 700 $(XDG_RUNTIME_DIR)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bussolino

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target bench -j $(JOBS)

clean:
	rm -rf $(BUILD)
