#!/usr/bin/env bash
# Cross-builds the whole tree for Windows with MinGW-w64 into WINDOWS_BUILD_DIR (the toolkit built once into a
# cache outside the repository) and puts beside the programs the DLLs they load at run time, as an installation
# ships them: the build's programs and tests then run under Wine as they are.
# Usage: build-windows.sh WINDOWS_BUILD_DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

windows_build=$1
shift

WITH_WINDOWS=1 scripts/install-deps.sh
wx_prefix=$(scripts/build-wx-mingw.sh)

cmake -S . -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DDH_WX_MINGW_PREFIX="$wx_prefix" \
  -DDH_WERROR="${WERROR:-OFF}" "$@"
cmake --build "$windows_build" -j "${JOBS:-$(nproc)}"
bin=$windows_build/bin

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
cp -u "$wx_prefix"/bin/wxbase*.dll "$runtime"/libstdc++-6.dll "$runtime"/libgcc_s_seh-1.dll \
  "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)" "$bin"/
