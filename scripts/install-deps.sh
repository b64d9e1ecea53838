#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the demo and the benchmarks need.
# Idempotent: only missing packages are installed, so a second run is quick.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev python3 ccache
  # cpack: dpkg-shlibdeps for the Debian package's dependencies
  dpkg-dev
  # libraries the library links
  zlib1g-dev libdeflate-dev libcairo2-dev libpixman-1-dev libfreetype-dev libfontconfig-dev
  libsqlite3-dev nlohmann-json3-dev libsdl2-dev libcurl4-openssl-dev libgumbo-dev
  # fonts standing in for Tahoma and Arial
  fonts-dejavu-core fonts-liberation2
  # tests and benchmarks (reference decoders and validators)
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libgif-dev libstb-dev libspng-dev python3-stdnum
  # data the resource scripts read
  iso-codes famfamfam-flag-png
  # a real X server for the windowed demo on a machine without a display
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
