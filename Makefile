# The two commands: `make run` and `make test`. Both set up the machine first.
BUILD ?= build
# test_soak alone, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
# The threads under ThreadSanitizer (make tsan).
TSAN_BUILD ?= build-tsan
# Bussolino for Windows (make windows), cross-built beside the build for this machine.
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
export XDG_RUNTIME_DIR ?= /tmp/bussolino-runtime-$(shell id -u)

.PHONY: deps build asan run test soak tsan bench windows windows-test clean

deps:
	@scripts/install-deps

build: deps
	@mkdir -p -m 700 $(XDG_RUNTIME_DIR)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

asan: deps
	@mkdir -p -m 700 $(XDG_RUNTIME_DIR)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUSSOLINO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) --target test_soak -j $(JOBS)

run: build
	./$(BUILD)/bussolino

test: build asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^test_soak$$'

# The long random-click soak under the sanitizers: 200,000 actions.
soak: asan
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest -V -R '^test_soak_lungo$$'

# Every thread of the program under ThreadSanitizer: the soak, the keyboard test, the frame test,
# and the real program quitting at once while its threads work (tests/tsan.supp says what of Qt's
# own is left out, and why). Not part of `make test`: about 6 minutes from a clean tree.
tsan: deps
	@mkdir -p -m 700 $(XDG_RUNTIME_DIR)
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUSSOLINO_TSAN=ON
	cmake --build $(TSAN_BUILD) --target test_soak test_tastiera test_cornice bussolino bussolino_suono -j $(JOBS)
	cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^(test_soak|test_tastiera|test_cornice|uscita)$$'

# Bussolino for Windows 10 and 11: the programs, the test suites, the portable zip and the installer
# in $(WINDOWS_BUILD)/, from Debian's own compilers and Qt's Debian source package (built once per
# machine into /var/cache/bussolino-windows: most of an hour the first time).
windows: build
	scripts/windows/build $(BUILD) $(WINDOWS_BUILD)

# The Windows build proven under Wine: the suites, the worksheets, the player, quitting at once,
# the installer and the zip. Not part of `make test`.
windows-test: windows
	scripts/windows/prova $(WINDOWS_BUILD)

bench: build
	cmake --build $(BUILD) --target bench -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(WINDOWS_BUILD)
