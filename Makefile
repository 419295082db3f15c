# Tunrix front door: `make build`, `make test`, `make demo`.
# Each target installs what it needs first (as root) or says what to install.

CMAKE_BUILD = cmake --build $(1) -j $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: all deps build native asan i686 x86_64 test unit-test ctl-test fuzz e2e-test dist-check demo bench dist clean install

all: build

deps:
	@sh scripts/install-deps.sh

build: deps native asan i686 x86_64

native:
	cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
	$(call CMAKE_BUILD,build/native)

asan:
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTUNRIX_SANITIZE=ON >/dev/null
	$(call CMAKE_BUILD,build/asan)

i686:
	cmake -S . -B build/i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake >/dev/null
	$(call CMAKE_BUILD,build/i686)

x86_64:
	cmake -S . -B build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake >/dev/null
	$(call CMAKE_BUILD,build/x86_64)

test: build unit-test ctl-test fuzz e2e-test dist-check

unit-test:
	cd build/native && ctest --output-on-failure
	cd build/asan && ctest --output-on-failure
	sh scripts/check-layers.sh build/native/CMakeFiles/tunrix_core.dir

# tunrixctl as built: natively, under Wine, and as `make install` lays it out.
ctl-test:
	@sh scripts/test-tunrixctl.sh

fuzz:
	@sh scripts/run-fuzz.sh $(FUZZ_SECONDS)

e2e-test:
	@if [ -f scripts/run-e2e.sh ]; then sh scripts/run-e2e.sh; fi

demo: build
	@sh scripts/demo.sh

bench: build
	@sh bench/run.sh
	@sh bench/tunrixctl.sh

dist: build
	@sh scripts/make-dist.sh

dist-check:
	@sh scripts/check-dist.sh

# tunrixctl and its man page; needs only make, cmake and g++.
install:
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTUNRIX_TESTS=OFF >/dev/null
	$(call CMAKE_BUILD,build/release) --target tunrixctl
	install -d $(DESTDIR)$(PREFIX)/bin $(DESTDIR)$(PREFIX)/share/man/man1
	install -m 755 -s build/release/tunrixctl/tunrixctl $(DESTDIR)$(PREFIX)/bin/tunrixctl
	install -m 644 docs/tunrixctl.1 $(DESTDIR)$(PREFIX)/share/man/man1/tunrixctl.1

clean:
	rm -rf build dist
