# The two commands of the README. Each installs what is missing, builds and then runs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools \
            libgif-dev xvfb xauth fonts-noto-cjk desktop-file-utils appstream dbus-daemon
PREFIX ?= /usr/local

.PHONY: all deps build test run install sanitize bench clean

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

# Both programs, their desktop entries, icons and metadata under $(PREFIX) (and $(DESTDIR)).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The test suite built with AddressSanitizer, LeakSanitizer and UBSan.
sanitize:
	$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_EXTRA=-DKESTREL_SANITIZE=ON

bench: build
	$(BUILD_DIR)/bench/kestrel_bench

clean:
	rm -rf $(BUILD_DIR) build-asan
