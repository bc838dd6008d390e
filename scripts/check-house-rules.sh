#!/usr/bin/env bash
# The house rules a compiler cannot see; `make lint` runs this first. Fails when
# - a shared source holds code for one system: a preprocessor test of the system anywhere outside the per-system
#   files (*_posix.cpp, *_windows.cpp) that CMake picks, or a system header in the product code outside them (the
#   Linux-only test, fuzz and benchmark programs may include POSIX headers; they build on no other system);
# - a tool's function fails through an error out-parameter instead of returning a hostkit::Result.
# Usage: check-house-rules.sh [SOURCE_DIR]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2

shared_sources() {
  git ls-files -- "$@" | grep -E '\.(cpp|h|cc)$' | grep -Ev '_(posix|windows)\.cpp$'
}

system_tests='^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif).*(_WIN32|_WIN64|__WINDOWS__|__WXMSW__|__MINGW|_MSC_VER|__UNIX__|__unix|__linux|__APPLE__|__MACH__|__WXOSX|__WXMAC)'
system_headers='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(windows|unistd|fcntl|dlfcn|io|direct|pthread|signal)\.h>|^[[:space:]]*#[[:space:]]*include[[:space:]]*<sys/'

found=0
while IFS= read -r file; do
  if grep -nEH "$system_tests" "$file"; then found=1; fi
done < <(shared_sources .)
while IFS= read -r file; do
  if grep -nEH "$system_headers" "$file"; then found=1; fi
done < <(shared_sources plugin reporting sdk tabulon verifiers tools)

if [ "$found" -ne 0 ]; then
  echo "system code in shared sources (above): move it into a *_posix.cpp / *_windows.cpp pair that CMake picks" >&2
fi

out_parameter='(?<!const )std::string ?& ?(error|problem|failure|reason)[,)]'
while IFS= read -r file; do
  if grep -nPH "$out_parameter" "$file"; then found=1; fi
done < <(shared_sources tools)
if [ "$found" -ne 0 ]; then
  echo "house rules broken (above); an error out-parameter in tools/ becomes a hostkit::Result" >&2
  exit 1
fi
echo "house rules: system code only in per-system files, tools fail through hostkit::Result"
