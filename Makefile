# RUKO: the two everyday commands are `make run` and `make test`.
MAKEFLAGS += --no-print-directory
BUILD := build
SANITIZE_BUILD := build-asan
JOBS := $(shell nproc 2>/dev/null || echo 2)
# -noreset: Xvfb resets itself when its last client leaves, and a test that connects again
# right then races the reset ("failed to open display").
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
# Under no display, tests and tools that need X run inside a virtual one.
WITH_DISPLAY := $(if $(DISPLAY),,$(XVFB))
# What starts the game runs with empty home, settings and state folders of its own under
# $(BUILD)/homes/TARGET, never the player's (the tests' own are made by tests/CMakeLists.txt).
OWN_HOME = bash tests/support/own_home.sh $(BUILD)/homes/$@
# Leaks are valgrind's to find (make memcheck): the GL driver's own allocations, freed only
# with a driver that is unloaded by then, would drown ours here.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# `make install` puts the game under PREFIX; DESTDIR stages it elsewhere (for packagers).
PREFIX ?= /usr/local
DESTDIR ?=

# The libFuzzer targets (fuzz/): a clang build of their own. `make fuzz SECONDS=N` runs each
# for N seconds (RUNS=M stops each after M inputs); `make test` runs each for a smoke time.
FUZZ_BUILD := build-fuzz
FUZZ_CXX := clang++-14
SECONDS ?= 60
RUNS ?=
FUZZ_SMOKE_SECONDS := 5

# `make windows`: the game cross-built for 64-bit Windows with MinGW-w64, and its zip
# $(WINDOWS_BUILD)/ruko-<version>-win64.zip. The libraries are built once into ~/.cache/ruko.
WINDOWS_BUILD := build-win
WINDOWS_GAME_BUILD := $(WINDOWS_BUILD)/game

# `make soak`: the soak test alone, longer, under the sanitizers (STEPS and SEED to change).
STEPS ?= 1000000
SEED ?= 20240607

.PHONY: all run test test-release test-sanitize test-fuzz fuzz fuzz-build soak soak-replays sanitize-build \
	bench bench-full-screen bench-latency bench-challenge memcheck deps deps-run tests-on clean install package assets \
	screenshots windows test-windows bench-windows

all:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# Builds the game alone (not the tests, when GoogleTest has turned them on) and plays:
# make run ARGS="--mute". When CMake does not find what the build needs,
# tools/install-deps.sh installs it (Debian, as root) or names it, and CMake says what is missing.
ARGS ?=
run:
	@cmake -S . -B $(BUILD) >/dev/null 2>&1 || { $(MAKE) deps-run && cmake -S . -B $(BUILD); }
	cmake --build $(BUILD) -j $(JOBS) --target ruko
	$(BUILD)/ruko $(ARGS)

deps-run:
	./tools/install-deps.sh run

# Everything `make run` needs and what the tests add.
deps:
	./tools/install-deps.sh test

# A build configured where GoogleTest was missing (a player's `make run`) has its tests off.
tests-on:
	@grep -qx 'BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt 2>/dev/null || \
		cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON

# Every test twice: the release build, then the same tests under ASan and UBSan; then a short
# run of each fuzz target, the valgrind session (two minutes) and the Windows zip under Wine.
test: deps
	$(MAKE) test-release
	$(MAKE) test-sanitize
	$(MAKE) test-fuzz
	$(MAKE) memcheck
	$(MAKE) test-windows

test-release: tests-on
	$(MAKE) all
	cd $(BUILD) && $(WITH_DISPLAY) ctest --output-on-failure --no-tests=error -j $(JOBS)

sanitize-build:
	@test -f $(SANITIZE_BUILD)/CMakeCache.txt || \
		cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRUKO_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

test-sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) $(WITH_DISPLAY) ctest --output-on-failure --no-tests=error -j $(JOBS)

# Sound plays on OpenAL Soft's silent device, which mixes as a real one does.
soak: sanitize-build
	ALSOFT_DRIVERS=null RUKO_SOAK_STEPS=$(STEPS) RUKO_SOAK_SEED=$(SEED) $(SANITIZE_ENV) $(OWN_HOME) \
		$(WITH_DISPLAY) ./$(SANITIZE_BUILD)/tests/soak_test \
		--gtest_filter=SoakTest.EveryScreenForLongWithoutGrowth

# `make soak-replays`: random sessions recorded and checked by the game, new seeds for that long.
SOAK_SECONDS ?= 600
soak-replays: tests-on
	$(MAKE) all
	ALSOFT_DRIVERS=null $(OWN_HOME) $(WITH_DISPLAY) ./$(BUILD)/tests/replay_soak ./$(BUILD)/ruko \
		$(BUILD)/soak --seconds $(SOAK_SECONDS)

fuzz-build:
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=$(FUZZ_CXX)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	$(WITH_DISPLAY) ./fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(SECONDS) $(RUNS)

test-fuzz:
	$(MAKE) fuzz SECONDS=$(FUZZ_SMOKE_SECONDS)

# Frame rates, start-up time and peak memory against a bare GLUT window, then the full-screen
# and the latency and pacing figures below (see docs/PERFORMANCE.md).
bench: all
	cmake --build $(BUILD) -j $(JOBS) --target ruko_bench bare_window swap_probe
	$(OWN_HOME) $(WITH_DISPLAY) ./$(BUILD)/bench/ruko_bench ./$(BUILD)/ruko ./$(BUILD)/bench/bare_window \
		./$(BUILD)/bench/libswap_probe.so
	@echo
	$(MAKE) bench-full-screen
	@echo
	$(MAKE) bench-latency
	@echo
	$(MAKE) bench-challenge

# The full-screen figures run in an Xvfb of their own: it holds a 1920x1080 window, and draws
# with llvmpipe whatever display the developer has.
FULL_SCREEN_XVFB := xvfb-run -a -s "-screen 0 1920x1080x24 -noreset"

# Every screen's frame rate at 1920x1080 on one llvmpipe thread and on its default count, then
# what each screen's frame asks of GL and how many fragments a pixel gets (about a minute).
bench-full-screen: all
	cmake --build $(BUILD) -j $(JOBS) --target full_screen_bench scene_probe
	$(OWN_HOME) $(FULL_SCREEN_XVFB) ./$(BUILD)/bench/full_screen_bench
	@echo
	$(OWN_HOME) $(FULL_SCREEN_XVFB) ./$(BUILD)/bench/scene_probe

# Key-to-frame latency on the punch bag, and the pace of four screens (steps and frames a
# second, a key's frame), alone, then the same at 1920x1080 on one llvmpipe thread (about three
# minutes a build: the knock-out is reached by playing bench/knockout.replay), always in a
# virtual display of its own: it sends real key events to the game's window.
# COMPARE=path/to/another/ruko measures that build too, in the same tables.
COMPARE ?=
bench-latency: all
	cmake --build $(BUILD) -j $(JOBS) --target pace_bench swap_probe virtual_pad
	$(OWN_HOME) $(FULL_SCREEN_XVFB) ./$(BUILD)/bench/pace_bench ./$(BUILD)/bench/libswap_probe.so \
		./$(BUILD)/libvirtual_pad.so ./$(BUILD)/ruko $(COMPARE)

# A fight's frame with the challenge off and on, in turns, on one llvmpipe thread.
bench-challenge: all
	cmake --build $(BUILD) -j $(JOBS) --target challenge_frames
	LP_NUM_THREADS=1 $(WITH_DISPLAY) ./$(BUILD)/bench/challenge_frames

# The real game under valgrind through every screen, keys and a virtual pad: no error, nothing
# definitely lost but what tools/memcheck.supp lets through (the GL driver's, GLUT's and SDL's
# D-Bus link's own). Log in build/memcheck/.
memcheck: all
	cmake --build $(BUILD) -j $(JOBS) --target swap_probe virtual_pad
	@mkdir -p $(BUILD)/memcheck
	$(WITH_DISPLAY) ./tools/memcheck.sh ./$(BUILD)/ruko ./$(BUILD)/bench/libswap_probe.so \
		./$(BUILD)/libvirtual_pad.so $(BUILD)/memcheck/valgrind.log

# Libraries built anew (another version, another compiler) go to another prefix: the game's
# build, which remembers where it found them, starts over then.
windows:
	@prefix=$$(JOBS=$(JOBS) ./tools/windows/libraries.sh $(WINDOWS_BUILD)) && \
		{ grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$$prefix" $(WINDOWS_GAME_BUILD)/CMakeCache.txt \
			2>/dev/null || rm -rf $(WINDOWS_GAME_BUILD); } && \
		cmake -S . -B $(WINDOWS_GAME_BUILD) -DCMAKE_BUILD_TYPE=Release \
			-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_PREFIX_PATH="$$prefix" \
			-DRUKO_ZIP_OUTPUT=$(CURDIR)/$(WINDOWS_BUILD)
	cmake --build $(WINDOWS_GAME_BUILD) -j $(JOBS)
	cd $(WINDOWS_GAME_BUILD) && cpack

# The zip unpacked and played under Wine, in a Wine prefix of its own (tests/windows/); the
# recordings of its sound are read by a tool of the Linux build.
test-windows: windows tests-on
	cmake --build $(BUILD) -j $(JOBS) --target sound_onsets ruko
	cd $(WINDOWS_GAME_BUILD) && RUKO_SOUND_ONSETS=$(CURDIR)/$(BUILD)/tests/sound_onsets \
		RUKO_NATIVE_BINARY=$(CURDIR)/$(BUILD)/ruko \
		xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure --no-tests=error

# A fight's frame rate, the native build against the Windows one under Wine, in one run and
# one X display (see docs/DEVELOPING.md, Windows).
bench-windows: windows all
	cmake --build $(BUILD) -j $(JOBS) --target fight_frames
	cmake --build $(WINDOWS_GAME_BUILD) -j $(JOBS) --target fight_frames
	$(OWN_HOME) xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ./bench/wine_bench.sh \
		$(BUILD)/bench/fight_frames $(WINDOWS_GAME_BUILD)/fight_frames.exe \
		$(WINDOWS_BUILD)/ruko-*-win64.zip $(WINDOWS_BUILD)/bench

install: all
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, written to $(BUILD)/ruko_<version>_<arch>.deb.
package: all
	cd $(BUILD) && cpack -G DEB

# Regenerates the font, the six arena pictures and the sounds under Data/ (committed: a clone
# runs as is).
assets:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target make_font make_textures make_sounds
	./$(BUILD)/tools/make_font Data
	./$(BUILD)/tools/make_textures Data
	@mkdir -p Data/sounds
	./$(BUILD)/tools/make_sounds Data/sounds

# Plays the game under Xvfb and saves a picture of every screen under docs/.
screenshots: all
	./tools/screenshots.sh ./$(BUILD)/ruko

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
