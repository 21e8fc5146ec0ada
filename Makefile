# RUKO: the two everyday commands are `make run` and `make test`.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"
# Under no display, tests and tools that need X run inside a virtual one.
WITH_DISPLAY := $(if $(DISPLAY),,$(XVFB))

.PHONY: all run test deps configure clean assets screenshots

all: configure
	cmake --build $(BUILD) -j $(JOBS)

configure:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

run: all
	./$(BUILD)/ruko

deps:
	./tools/install-deps.sh

test: deps all
	cd $(BUILD) && $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

# Regenerates the font and the six arena pictures under Data/ (committed: a clone runs as is).
assets: configure
	cmake --build $(BUILD) -j $(JOBS) --target make_font make_textures
	./$(BUILD)/tools/make_font Data
	./$(BUILD)/tools/make_textures Data

# Plays the game under Xvfb and saves a picture of every screen under docs/.
screenshots: all
	./tools/screenshots.sh ./$(BUILD)/ruko

clean:
	rm -rf $(BUILD)
