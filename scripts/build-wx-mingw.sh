#!/usr/bin/env bash
# Builds the wxWidgets base library for MinGW-w64 from Debian's source package, once, into a cache
# directory outside the repository; later builds reuse it. Prints the install prefix on stdout.
#   usage: scripts/build-wx-mingw.sh [cache-dir]   (default: $HOME/.cache/dh-wx-mingw)
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)

cache=${1:-${DH_WX_MINGW_CACHE:-$HOME/.cache/dh-wx-mingw}}
host=x86_64-w64-mingw32
prefix=$cache/$host
stamp=$prefix/.built

# The stamp holds the options the toolkit was configured with: a cache built with others is built again.
source "$scripts/wx-base-options.sh"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "${wx_base_options[*]}" ]; then
  echo "$prefix"
  exit 0
fi
rm -rf "$prefix"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# apt-get source needs a deb-src entry: the first deb entry of the machine's Debian sources, as deb-src.
if ! apt-get source --print-uris wxwidgets3.2 </dev/null >/dev/null 2>&1; then
  awk 'BEGIN { RS = ""; ORS = "\n\n" }
       /(^|\n)Types: deb(\n| |$)/ && !done { sub(/Types: deb/, "Types: deb-src"); print; done = 1 }' \
    /etc/apt/sources.list.d/debian.sources | $sudo tee /etc/apt/sources.list.d/dh-deb-src.sources >/dev/null
  $sudo apt-get update -qq </dev/null
fi

work=$cache/src
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq --download-only wxwidgets3.2 </dev/null >&2 &&
   dpkg-source -x --no-check ./*.dsc wx >&2)

mkdir -p "$work/wx/build-mingw"
cd "$work/wx/build-mingw"
# The standard paths free their strings with OLE's allocator, whose library only the OLE classes (GUI) would add.
../configure --host=$host --prefix="$prefix" "${wx_base_options[@]}" CXX=$host-g++-posix CC=$host-gcc-posix \
  LIBS=-lole32 >&2
make -j"$(nproc)" >&2
make install >&2
# A base-only install leaves out headers that the base headers themselves include on Windows (wx/msw/init.h)
# and the rectangle class's, with which the host hands over stimulus areas (only its inline parts are used,
# which need no GUI library). The rest of the headers go in beside the installed ones, which stay as they are.
cp -rn ../include/wx/. "$prefix/include/wx-3.2/wx/"
echo "${wx_base_options[*]}" >"$stamp"
rm -rf "$work"
echo "$prefix"
