# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -eu -o pipefail -c

PACKAGES := cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build build-asan format clean

deps:
	@missing=""
	for p in $(PACKAGES); do
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"
	done
	if [ -n "$$missing" ]; then
	  if [ "$$(id -u)" -eq 0 ]; then
	    echo "Installing:$$missing"
	    apt-get update -qq
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq$$missing
	  else
	    echo "Missing packages. Install them with:"
	    echo "  sudo apt-get install -y$$missing"
	    exit 1
	  fi
	fi

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

run: build
	@if [ ! -x build/tavrel ]; then
	  echo "The windows are not built yet; build/tavrel does not exist."
	  exit 0
	fi
	if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then
	  echo "No display found: the windows need one; for headless use try build/tavrel-cli --help."
	  exit 0
	fi
	exec build/tavrel

test: build
	@ctest --preset default -j $(JOBS)
	$(MAKE) --no-print-directory build-asan
	ctest --preset asan -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan
