#!/usr/bin/env bash
# Installs, when run as root, the Debian packages that building and testing need and that
# this machine lacks. Without root it only names what is missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri
    libgtest-dev libbenchmark-dev libxtst-dev libfreetype-dev fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick clang-format git
    desktop-file-utils dpkg-dev
    clang-14 libclang-rt-14-dev valgrind
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages (install them as root): ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
