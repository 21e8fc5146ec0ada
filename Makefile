# RUKO: the two everyday commands are `make run` and `make test`.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"
# Under no display, tests and tools that need X run inside a virtual one.
WITH_DISPLAY := $(if $(DISPLAY),,$(XVFB))
# `make install` puts the game under PREFIX; DESTDIR stages it elsewhere (for packagers).
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all run test deps configure clean install package

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

install: all
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, written to $(BUILD)/ruko_<version>_<arch>.deb.
package: all
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
