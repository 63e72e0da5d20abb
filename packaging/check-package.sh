#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: lintian reports no error, the
# desktop entry and the AppStream metadata validate, the package declares its Qt libraries, `apt-get install
# ./tavrel_*.deb` installs it, both programs start from their installed place (the windows
# offscreen), and `apt-get remove` takes it away again. Installing needs root; without it the
# checks of the package's contents still run. Expects a configured build folder (build/).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
fail() { echo "package check: $*" >&2; exit 1; }
step() { echo "== $*"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
app_id=$(sed -n 's/^set(TAVREL_APP_ID "\(.*\)")$/\1/p' CMakeLists.txt)
[ -n "$version" ] && [ -n "$app_id" ] || fail "run cmake --preset default first"

step "building the package"
cmake --build "$build" --target tavrel tavrel-cli manpages -j "$(nproc)" >/dev/null
rm -f "$build"/tavrel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/tavrel_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no tavrel_${version}_*.deb"
deb=${debs[0]}
echo "$deb"

step "validating the desktop entry and the AppStream metadata"
desktop-file-validate "packaging/$app_id.desktop"
appstreamcli validate --no-net --explain "$build/packaging/$app_id.metainfo.xml"

step "checking the package with lintian"
# Errors fail the check; warnings and notes are shown for the packager to weigh. The shipped
# programs are hardened and stripped as Debian's own: any hardening tag, or a section a stripped
# program should not carry, fails it too.
lintian_report=$(lintian --pedantic --display-info --fail-on error "$deb") ||
  { echo "$lintian_report"; fail "lintian reports an error"; }
[ -z "$lintian_report" ] || echo "$lintian_report"
if grep -E ' (hardening-[a-z-]+|binary-has-unneeded-section) ' <<<"$lintian_report"; then
  fail "the programs are not built or stripped as Debian's hardened packages are"
fi

step "checking that the manual page covers every option of tavrel-cli --help"
man_text=$(sed 's/\\-/-/g' packaging/tavrel-cli.1.in)
for option in $("$build/tavrel-cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$man_text" || fail "the manual page does not mention $option"
done

step "checking the package's fields and files"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
  grep -q "$lib" <<<"$depends" || fail "Depends does not name $lib"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(sed -n '1s/^tavrel (\([^)]*\)).*/\1/p' packaging/changelog)" = "$version" ] ||
  fail "packaging/changelog does not begin with version $version"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/tavrel
  ./usr/bin/tavrel-cli
  "./usr/share/applications/$app_id.desktop"
  "./usr/share/metainfo/$app_id.metainfo.xml"
  "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  ./usr/share/man/man1/tavrel.1.gz
  ./usr/share/man/man1/tavrel-cli.1.gz
  ./usr/share/doc/tavrel/copyright
  ./usr/share/doc/tavrel/changelog.gz
  ./usr/share/lintian/overrides/tavrel
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
done
# Only the programs and their desktop files: no tests, benchmarks or libraries.
unexpected=$(grep -v -e '/$' <<<"$contents" | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$unexpected" ] || fail "the package holds files it should not: $unexpected"

if [ "$(id -u)" -ne 0 ]; then
  echo "package check: not root, so the package was not installed (run as root for that)"
  echo "package check: passed"
  exit 0
fi
# apt-get waits for the package lock rather than failing while a desktop updates itself.
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"; }
# A package that an earlier, interrupted check installed is marked by this stamp and may go; a
# package the machine's owner installed is left alone, and then the install is not tried.
stamp=/var/tmp/tavrel-package-check.installed
installed() { dpkg-query -W -f='${Status}' tavrel 2>/dev/null | grep -q 'install ok installed'; }
if installed; then
  if [ ! -e "$stamp" ]; then
    echo "package check: a tavrel package is installed already, so the install was not tried"
    echo "package check: passed"
    exit 0
  fi
  apt_get remove -y -qq tavrel >/dev/null
fi

step "installing with apt-get"
remove() {
  step "removing the package"
  apt_get remove -y -qq tavrel >/dev/null
  rm -f "$stamp"
  ! installed || fail "apt-get remove left tavrel installed"
  [ ! -e /usr/bin/tavrel ] || fail "apt-get remove left /usr/bin/tavrel behind"
}
trap remove EXIT
touch "$stamp"
apt_get install -y -qq "./$deb" >/dev/null

step "starting the installed programs"
[ "$(command -v tavrel-cli)" = /usr/bin/tavrel-cli ] || fail "tavrel-cli is not on the PATH"
[ "$(tavrel-cli --version)" = "tavrel-cli $version" ] || fail "tavrel-cli --version is wrong"
tavrel-cli generate --race dwarf --class fighter,thief --alignment CN --seed 7 --time 12:00:00.000 \
  | grep -q '^Gender: Male .*Race: Dwarf' || fail "tavrel-cli generate printed no character"
# The window program runs until it is closed; still running after some seconds means it
# started and settled into its event loop.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 tavrel >"$build/tavrel-start.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$build/tavrel-start.log" >&2
  fail "tavrel ended with status $status instead of running"
fi
desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null
if command -v man >/dev/null; then
  man -w tavrel-cli >/dev/null || fail "man cannot find tavrel-cli"
fi
echo "package check: passed"
