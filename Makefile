# The two commands of the README. Each installs what is missing, builds and then runs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools \
            libgif-dev xvfb xauth fonts-noto-cjk

.PHONY: all deps build test run sanitize bench clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_EXTRA)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	tools/run.sh $(BUILD_DIR)

# The test suite built with AddressSanitizer, LeakSanitizer and UBSan.
sanitize:
	$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_EXTRA=-DKESTREL_SANITIZE=ON

bench: build
	$(BUILD_DIR)/bench/kestrel_bench

clean:
	rm -rf $(BUILD_DIR) build-asan
