#!/usr/bin/env bash
# Installs what the Windows cross-build and its Wine test run need, without asking.
# Safe to run repeatedly: when everything is present it only checks and exits.
set -euo pipefail

packages=(cmake ninja-build make g++-mingw-w64-x86-64-posix wine64 wine dpkg-dev xz-utils python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
