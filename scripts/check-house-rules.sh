#!/usr/bin/env bash
# The house rules a compiler cannot see; `make lint` runs this first. Fails when
# - a shared source holds code for one system: a preprocessor test of the system anywhere outside the per-system
#   files (*_posix.cpp, *_windows.cpp) that CMake picks, or a system header in the product code outside them (the
#   Linux-only test, fuzz and benchmark programs may include POSIX headers; they build on no other system);
# - a function breaks its layer's error style (README, "Source tree"; scripts/error-style.pl finds them): in the
#   tools, a flag, Status or Result with the value or the reason in an out-parameter, or an error out-parameter
#   of any function; in the libraries that run in the host, a flag with an out-parameter, or an error code in an int.
# Usage: check-house-rules.sh [SOURCE_DIR]
set -uo pipefail
scripts="$(cd "$(dirname "$0")" && pwd)"
cd "${1:-$scripts/..}" || exit 2

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

# The error style of each layer (README, "Source tree"). Each rule: the layers, what breaks it, what to do instead.
# The kinds: "line", a grep -P pattern; "out-parameter", a function of the given return types with a non-const
# reference or pointer parameter other than the objects it works on or through; "int-error-code", an int that holds
# an error code (both found by error-style.pl).
style_broken=0
rule() {
  local layers="$1" message="$2" kind="$3"
  shift 3
  local files
  # shellcheck disable=SC2086  # the layers are words
  mapfile -t files < <(shared_sources $layers)
  [ "${#files[@]}" -eq 0 ] && return
  local broken=0
  if [ "$kind" = line ]; then
    grep -nPH "$1" "${files[@]}" && broken=1
  else
    perl "$scripts/error-style.pl" "$kind" "$@" "${files[@]}" || broken=1
  fi
  if [ "$broken" -ne 0 ]; then
    echo "  (above) $message" >&2
    style_broken=1
  fi
}

product='text site tabulon reporting verifiers plugin'
tool_returns='bool|(?:hostkit::)?(?:Status|Result<[^;{}()]*>)|\w+Status'
tool_objects='wxFile|wxFFile|XmlHandler|Interface_DataHookPlugin|MUExperimentTextReaderMultiFile'
product_objects='wxFile|wxFFile|AtomicFileWriter|FakeJUnitPrinter'

rule tools "an error out-parameter in tools/ becomes the error of a returned hostkit::Result" \
  line '(?<!const )std::string ?& ?(error|problem|failure|reason)[,)]'
rule tools "a tool's function returns its value in the hostkit::Result (or a std::optional), not in an out-parameter" \
  out-parameter "$tool_returns" "$tool_objects"
rule "$product" "a value that may be absent is a returned std::optional, a reason to show a returned struct" \
  out-parameter 'bool' "$product_objects"
rule "$product" "a system call's failure is a std::error_code, not an int" \
  int-error-code

if [ "$found" -ne 0 ] || [ "$style_broken" -ne 0 ]; then
  echo "house rules broken (above)" >&2
  exit 1
fi
echo "house rules: system code only in per-system files, each layer's error style kept"
