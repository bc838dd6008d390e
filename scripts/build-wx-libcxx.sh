#!/usr/bin/env bash
# Builds, with clang and libc++ (the compiler and standard library of the macOS toolchain), the wxWidgets base
# library, GoogleTest and Google Benchmark from Debian's source packages, once, into a cache directory outside
# the repository; later builds reuse it. Everything the libc++ build links that has C++ in it comes from here,
# so that libstdc++ and libc++ objects never meet in one program. Prints the install prefix on stdout.
#   usage: scripts/build-wx-libcxx.sh [cache-dir]   (default: $HOME/.cache/dh-wx-libcxx)
set -euo pipefail
source "$(dirname "$0")/wx-base-options.sh"

cache=${1:-${DH_WX_LIBCXX_CACHE:-$HOME/.cache/dh-wx-libcxx}}
prefix=$cache/prefix
jobs=${JOBS:-$(nproc)}
# The toolkit's stamp holds the options it was configured with: a prefix whose toolkit was built with others is
# built again from nothing, so that none of its files stays behind.
if [ -f "$prefix/.built-wx" ] && [ "$(cat "$prefix/.built-wx")" != "${wx_base_options[*]}" ]; then
  rm -rf "$prefix"
fi
mkdir -p "$prefix"

export CC=clang CXX=clang++
# CMake and the configure script both take these from the environment.
export CXXFLAGS="-stdlib=libc++" LDFLAGS="-stdlib=libc++"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# apt-get source needs a deb-src entry: the first deb entry of the machine's Debian sources, as deb-src.
ensure_deb_src() {
  apt-get source --print-uris "$1" </dev/null >/dev/null 2>&1 && return
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
       /(^|\n)Types: deb(\n| |$)/ && !done { sub(/Types: deb/, "Types: deb-src"); print; done = 1 }' \
    /etc/apt/sources.list.d/debian.sources | $sudo tee /etc/apt/sources.list.d/dh-deb-src.sources >/dev/null
  $sudo apt-get update -qq </dev/null
}

# Unpacks Debian's source package $1 into $2 (emptied first).
unpack_source() {
  ensure_deb_src "$1"
  rm -rf "$2"
  mkdir -p "$2"
  (cd "$2" && apt-get source -qq --download-only "$1" </dev/null >&2 && dpkg-source -x --no-check ./*.dsc src >&2)
}

# A CMake project's sources $1, built in $2 and installed into the prefix; further arguments configure it.
cmake_install() {
  local source=$1 build=$2
  shift 2
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >&2
  cmake --build "$build" -j "$jobs" >&2
  cmake --install "$build" >&2
}

build_wx() {
  local work=$cache/wx
  unpack_source wxwidgets3.2 "$work"
  mkdir -p "$work/src/build-libcxx"
  (cd "$work/src/build-libcxx" &&
     ../configure --prefix="$prefix" "${wx_base_options[@]}" CXXFLAGS="$CXXFLAGS -O2" CFLAGS=-O2 >&2 &&
     make -j"$jobs" >&2 && make install >&2)
  # A base-only install leaves out the rectangle class's header, with which the host hands over stimulus areas
  # (only its inline parts are used, which need no GUI library). The rest of the headers go in beside the
  # installed ones, which stay as they are.
  cp -rn "$work/src/include/wx/." "$prefix/include/wx-3.2/wx/"
  rm -rf "$work"
}

# Debian's googletest package ships its sources; GoogleTest alone is built (the tests use no mocks).
build_googletest() {
  cmake_install /usr/src/googletest "$cache/googletest-build" -DINSTALL_GTEST=ON -DBUILD_GMOCK=OFF
  rm -rf "$cache/googletest-build"
}

# Its version comes from git, which a source package is not: 0.0.0 makes it take the project's own.
build_benchmark() {
  local work=$cache/benchmark
  unpack_source benchmark "$work"
  cmake_install "$work/src" "$work/build" -DGIT_VERSION=0.0.0 -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
    -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_LTO=OFF
  rm -rf "$work"
}

# Each part is built once; its stamp is written only when it is installed whole.
for part in wx googletest benchmark; do
  if [ ! -f "$prefix/.built-$part" ]; then
    echo "building $part with clang and libc++ into $prefix" >&2
    "build_$part"
    if [ "$part" = wx ]; then echo "${wx_base_options[*]}" >"$prefix/.built-wx"; else touch "$prefix/.built-$part"; fi
  fi
done
echo "$prefix"
