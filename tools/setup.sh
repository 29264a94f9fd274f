#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for Tarnwick and builds it.
# Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev
          libgl1-mesa-dri libegl-mesa0 libegl1 libgtest-dev libbenchmark-dev xvfb xdotool)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "tarnwick: installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset default >/dev/null
cmake --build --preset default
