#!/usr/bin/env bash
# Installs the Debian 12 packages that Quillmere needs to build, run and test; skips what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-qpa-plugins
    liblog4cxx-dev libminizip-dev zlib1g-dev libpng-dev libjpeg-dev libtiff-dev libgif-dev
    libcurl4-openssl-dev libssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
