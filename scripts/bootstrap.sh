#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, and only those missing.
set -euo pipefail

packages=(g++ make cmake ccache googletest libbenchmark-dev mingw-w64 wine wine64 fonts-wine xvfb xauth xclip imagemagick time bc python3 python3-xlib clang libclang-rt-dev nsis zip chromium)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
