#!/usr/bin/env bash
# Installs the build and test dependencies that are missing, without asking.
# Safe to run repeatedly: when everything is present it only checks and exits.
set -euo pipefail

packages=(cmake ninja-build g++ make libwxgtk3.2-dev googletest libgtest-dev libgmock-dev
          libbenchmark-dev libxml2-utils libxml2-dev python3 valgrind
          clang-format clang-tidy libclang-rt-14-dev ccache python3-junitparser locales)
# python3-junitparser reads the dashboard report in CI as a third-party viewer would.
# libclang-rt-14-dev above holds the fuzzers' input splitter, which the tests' replay of fuzz inputs needs too.
if [ "${WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang)
fi
# The Windows cross-build and its test run under Wine.
if [ "${WITH_WINDOWS:-0}" = 1 ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 wine dpkg-dev xz-utils)
fi
# The build with clang and libc++ (the macOS toolchain's pair); the toolkit, GoogleTest and Google Benchmark are
# built from their source packages with it.
if [ "${WITH_LIBCXX:-0}" = 1 ]; then
  packages+=(clang libc++-dev libc++abi-dev dpkg-dev xz-utils)
fi

# The corpus tests run under these locales as well as C (a left-to-right one with a decimal comma, Turkish with
# its dotted and dotless i, and a right-to-left one).
test_locales=(de_DE.UTF-8 tr_TR.UTF-8 he_IL.UTF-8)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
absent_locales=()
for l in "${test_locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "$(echo "$l" | sed 's/UTF-8/utf8/')" || absent_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#absent_locales[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
if [ ${#absent_locales[@]} -gt 0 ]; then
  echo "generating locales: ${absent_locales[*]}" >&2
  for l in "${absent_locales[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi
