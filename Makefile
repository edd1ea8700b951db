# The two commands of the README: `make run` and `make test`.
# Both set up what they need first, so they work on a fresh Debian machine.

BUILD_DIR ?= build
SAN_DIR   ?= build-san
GENERATOR ?= Ninja
CMAKE     ?= cmake

.PHONY: all deps configure build run test test-main test-san format clean

all: build

deps:
	scripts/install-deps

configure: deps
	$(CMAKE) -S . -B $(BUILD_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	$(CMAKE) --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/src/cli/finplan-cli info examples/sample.RET

test: test-main test-san

test-main: build
	cd $(BUILD_DIR) && ctest --output-on-failure

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-san: deps
	$(CMAKE) -S . -B $(SAN_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DFINPLAN_SANITIZE=ON
	$(CMAKE) --build $(SAN_DIR)
	cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR)
