#!/usr/bin/env bash
# Builds the program as it ships (Release, no tests), installs it into a scratch prefix and
# checks what a desktop and Debian expect of it: the installed files, their validators, the
# command lines that must work without a display, and the Debian package with its Depends.
# One line per check; the first failure stops it, naming what failed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-release
scratch="$build/package-check"
prefix="$scratch/prefix"
unpacked="$scratch/unpacked"
app_id=io.github.quillbarrow.Quillbarrow

fail() {
  echo "test-package: FAILED: $*" >&2
  exit 1
}
ok() { echo "test-package: ok: $*"; }

version=$(sed -n 's/^project(Quillbarrow VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no project VERSION in CMakeLists.txt"

rm -rf "$scratch"
mkdir -p "$scratch"
# Quiet unless it fails; then the tool's own output says why.
logged() {
  local what=$1
  shift
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log" >&2; fail "$what"; }
}

logged "configuring $build" cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DQB_BUILD_TESTS=OFF -DQB_BUILD_GUI=ON -DQB_BUILD_BENCH=OFF
logged "building $build" cmake --build "$build" -j2
ok "Release build in $build"

logged "cmake --install" cmake --install "$build" --prefix "$prefix"
for file in bin/quillbarrow bin/quillbarrow-cli share/applications/$app_id.desktop \
  share/icons/hicolor/scalable/apps/$app_id.svg share/metainfo/$app_id.metainfo.xml; do
  [ -s "$prefix/$file" ] || fail "cmake --install did not put $file in place"
done
ok "cmake --install puts the programs, desktop entry, icon and metainfo in place"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
  fail "desktop-file-validate $app_id.desktop"
ok "desktop-file-validate"
logged "appstreamcli validate $app_id.metainfo.xml" \
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo's release is not version $version"
ok "appstreamcli validate, release $version"

# No display at all: --help and --version must not need one.
run_bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
out=$(run_bare "$prefix/bin/quillbarrow" --version) || fail "quillbarrow --version exit status $?"
[ "$out" = "quillbarrow $version" ] || fail "quillbarrow --version printed '$out'"
out=$(run_bare "$prefix/bin/quillbarrow" --help) || fail "quillbarrow --help exit status $?"
for option in --base-dir --help --version; do
  grep -q -- "$option" <<<"$out" || fail "quillbarrow --help does not list $option"
done
out=$(run_bare "$prefix/bin/quillbarrow-cli" --help) || fail "quillbarrow-cli --help exit status $?"
grep -q "usage: quillbarrow-cli" <<<"$out" || fail "quillbarrow-cli --help printed no usage"
out=$(run_bare "$prefix/bin/quillbarrow-cli" --version) || fail "quillbarrow-cli --version exit status $?"
[ "$out" = "quillbarrow-cli $version" ] || fail "quillbarrow-cli --version printed '$out'"
ok "--help and --version of the installed programs, without a display"

deb="$build/quillbarrow_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
logged "cpack -G DEB" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build"
[ -f "$deb" ] || fail "cpack made no $deb"
[ "$(dpkg-deb -f "$deb" Package)" = quillbarrow ] || fail "$deb is not named quillbarrow"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "$deb is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
needed=(libqt6widgets6 libqt6gui6 libqt6core6 zlib1g libc6 libstdc++6)
# Libraries some builds link: their packages only when the programs need them.
linked=$(readelf -d "$prefix/bin/quillbarrow" "$prefix/bin/quillbarrow-cli")
grep -q 'libQt6PrintSupport' <<<"$linked" && needed+=(libqt6printsupport6)
grep -q 'libfreexl' <<<"$linked" && needed+=(libfreexl1)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
for package in "${needed[@]}"; do
  grep -Fqx -- "$package" <<<"$depends_names" || fail "Depends lacks $package: $depends"
done
ok "cpack -G DEB: $(basename "$deb"), Depends: $depends"

dpkg -x "$deb" "$unpacked" || fail "dpkg -x $deb"
out=$(run_bare "$unpacked/usr/bin/quillbarrow-cli" --help) ||
  fail "the packaged quillbarrow-cli --help exit status $?"
grep -q "usage: quillbarrow-cli" <<<"$out" || fail "the packaged quillbarrow-cli printed no usage"
[ -s "$unpacked/usr/share/applications/$app_id.desktop" ] ||
  fail "the package holds no desktop entry"
ok "the package unpacks and its quillbarrow-cli runs"
