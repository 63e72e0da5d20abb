# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -eu -o pipefail -c

# fonts-liberation2 is the declared face: the windows prefer it and the tests run with it.
PACKAGES := cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format \
            clang libclang-rt-14-dev dpkg-dev file desktop-file-utils appstream rapidjson-dev \
            fonts-liberation2 lintian python3
# apt-get waits this many seconds for the package lock (a desktop may be updating itself).
APT_GET := apt-get -o DPkg::Lock::Timeout=300
JOBS ?= $(shell nproc)

.PHONY: run test deps web-deps web configure build build-asan fuzz fuzz-merge soak install package \
        package-check \
        lint format clean

# Where `make install` puts the programs (make install PREFIX=/usr DESTDIR=/tmp/stage).
PREFIX ?= /usr/local
INSTALLED_TARGETS := tavrel tavrel-cli manpages

# Fuzz targets and the seconds each one runs (make fuzz FUZZ_SECONDS=300 for a longer run).
# A minute each, since some faults take a few million inputs to find.
FUZZ_TARGETS := sheet_fuzz cli_fuzz eligibility_fuzz characterjson_fuzz request_fuzz
FUZZ_SECONDS ?= 60

# Adds to $$missing each Debian package of the list that is not installed.
define find-missing
for p in $(1); do
  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"
done
endef

# Installs the packages in $$missing when run as root; otherwise names the command and stops.
define install-missing
if [ -n "$$missing" ]; then
  if [ "$$(id -u)" -eq 0 ]; then
    echo "Installing:$$missing"
    $(APT_GET) update -qq
    DEBIAN_FRONTEND=noninteractive $(APT_GET) install -y -qq$$missing
  else
    echo "Missing packages. Install them with:"
    echo "  sudo apt-get install -y$$missing"
    exit 1
  fi
fi
endef

deps:
	@missing=""
	$(call find-missing,$(PACKAGES))
	$(install-missing)

# The web page needs Debian's emscripten, and its browser tests Debian's chromium with Node.js
# and npm. A Node.js that is already there (say from another vendor's package) is used as it is:
# Debian's npm conflicts with some of those, so it is installed only where no npm command exists.
WEB_PACKAGES := emscripten chromium
web-deps: deps
	@missing=""
	$(call find-missing,$(WEB_PACKAGES))
	command -v node >/dev/null || missing="$$missing nodejs"
	command -v npm >/dev/null || missing="$$missing npm"
	$(install-missing)
	# The browser driver and the accessibility checker, at the versions in the lock file; the
	# driver uses the system's chromium and downloads no browser.
	if [ ! -f tests/web/node_modules/.package-lock.json ] || \
	   [ tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]; then
	  npm ci --prefix tests/web --no-audit --no-fund
	fi
	# The page's minifier, at the version in web's lock file.
	if [ ! -f web/node_modules/.package-lock.json ] || \
	   [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
	  npm ci --prefix web --no-audit --no-fund
	fi

# The static page in build-web/: serve it with any static host, or
# python3 -m http.server -d build-web. Emscripten's optimiser finds its JavaScript parser in
# Debian's Node.js modules folder even when another Node.js comes first on the PATH.
web: web-deps
	@export NODE_PATH=/usr/share/nodejs
	cmake --preset web >/dev/null
	cmake --build --preset web -j $(JOBS)

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then
	  echo "No display found: the windows need one; for headless use try build/tavrel-cli --help."
	  exit 0
	fi
	exec build/tavrel

test: build web
	@$(MAKE) --no-print-directory lint
	ctest --preset default -j $(JOBS)
	$(MAKE) --no-print-directory build-asan
	ctest --preset asan -j $(JOBS)
	$(MAKE) --no-print-directory fuzz
	$(MAKE) --no-print-directory package-check

# The runs grow copies of the seed corpora in build-fuzz/corpus/; the tracked ones in fuzz/corpus/
# change only through fuzz-merge.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	for t in $(FUZZ_TARGETS); do
	  corpus=build-fuzz/corpus/$$t
	  mkdir -p "$$corpus"
	  cp -n fuzz/corpus/$${t%_fuzz}/* "$$corpus"/ 2>/dev/null || true
	  dict=()
	  if [ -f fuzz/$${t%_fuzz}.dict ]; then dict=(-dict=fuzz/$${t%_fuzz}.dict); fi
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"
	  build-fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(CURDIR)/build-fuzz/$$t- \
	    "$${dict[@]}" "$$corpus" \
	    2>build-fuzz/$$t.log \
	    || { tail -n 40 build-fuzz/$$t.log; exit 1; }
	  grep -E '^stat::number_of_executed_units' build-fuzz/$$t.log || true
	done

# Keeps what the fuzz runs found: libFuzzer's -merge=1 adds to each tracked seed corpus the
# inputs of build-fuzz/corpus/ that reach code the corpus does not yet reach. Run by hand after
# `make fuzz`, then review and commit fuzz/corpus/.
fuzz-merge: deps
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	for t in $(FUZZ_TARGETS); do
	  tracked=fuzz/corpus/$${t%_fuzz}
	  [ -d build-fuzz/corpus/$$t ] || { echo "no build-fuzz/corpus/$$t: run make fuzz first"; exit 1; }
	  before=$$(ls "$$tracked" | wc -l)
	  build-fuzz/$$t -merge=1 "$$tracked" build-fuzz/corpus/$$t 2>build-fuzz/$$t-merge.log \
	    || { tail -n 40 build-fuzz/$$t-merge.log; exit 1; }
	  echo "$$t: $$before seed inputs, now $$(ls "$$tracked" | wc -l)"
	done

# The long soak of the real windows, under the sanitizers (make soak SOAK_SECONDS=3600).
SOAK_SECONDS ?= 600
SOAK_SEED ?= $(shell date +%s)
soak: deps
	@cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS) --target soak
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  build-asan/soak --seconds $(SOAK_SECONDS) --seed $(SOAK_SEED)

install: configure
	@cmake --build --preset default -j $(JOBS) --target $(INSTALLED_TARGETS)
	cmake --install build --prefix "$(PREFIX)"

# The Debian package, build/tavrel_<version>_<arch>.deb.
package: configure
	@cmake --build --preset default -j $(JOBS) --target $(INSTALLED_TARGETS)
	cd build && cpack -G DEB

# Builds the package, validates it, and (as root) installs it, starts both programs and removes it.
package-check: configure
	@packaging/check-package.sh

# Every tracked C++ file as .clang-format lays it out, and the project's JavaScript (the page's
# script, the browser tests and benchmarks) through ESLint at the version in tests/web's lock
# file. Both run, so one report shows everything to mend.
# Debian 12's clang-format package installs clang-format-14: naming it keeps the layout from
# changing with whichever clang-format comes first on the PATH.
CLANG_FORMAT := clang-format-14
lint: web-deps
	@status=0
	git ls-files -z '*.cpp' '*.h' | xargs -0 $(CLANG_FORMAT) --dry-run --Werror || status=1
	tests/web/node_modules/.bin/eslint --config tests/web/eslint.config.mjs web tests/web bench || status=1
	exit $$status

format:
	@git ls-files -z '*.cpp' '*.h' | xargs -0 $(CLANG_FORMAT) -i

clean:
	@rm -rf build build-asan build-fuzz build-wasm build-web
