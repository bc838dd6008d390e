#!/usr/bin/env bash
# Leaves the versioned archives of the install tree in DIST_DIR: the Linux build's .tar.gz, and the Windows
# build's .zip when that build is configured (scripts/test-windows.sh configures it).
# Usage: package.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR DIST_DIR
set -euo pipefail
cd "$(dirname "$0")/.."

linux_build=$1
windows_build=$2
dist=$3
mkdir -p "$dist"

# CPack keeps its staging tree below the directory it packs into: that is the build's, the archive moves out.
pack() {
  local build=$1
  rm -rf "$build/package"
  cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
  for archive in "$build"/package/*.tar.gz "$build"/package/*.zip; do
    [ -f "$archive" ] || continue
    mv -f "$archive" "$dist/"
    echo "package: $dist/$(basename "$archive")"
  done
}

pack "$linux_build"
if [ -f "$windows_build/CMakeCache.txt" ]; then
  cmake --build "$windows_build" -j "${JOBS:-$(nproc)}"
  pack "$windows_build"
else
  echo "package: no Windows build in $windows_build (make test-windows configures one); no .zip"
fi
