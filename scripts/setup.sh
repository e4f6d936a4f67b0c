#!/usr/bin/env bash
# Installs the Debian packages Crepulo needs (only those missing), then
# configures and builds the project with CMake.
#   scripts/setup.sh [BUILD_DIR] [extra CMake arguments...]
# BUILD_DIR defaults to build/ in the project folder.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 xvfb xauth locales
    clang-14 libclang-rt-14-dev
    qt6-translations-l10n dpkg-dev appstream desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A German locale, so that tests can show the program ignores the decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: no German locale could be made"
fi

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j2
