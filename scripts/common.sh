# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the run and test commands: Debian packages and the build.
set -euo pipefail

BESEDKA_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs whichever of the packages are missing (apt-get update first), as root or through sudo.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing ${missing[*]}" >&2
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >&2
}

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
                qt6-base-dev qt6-multimedia-dev libgl-dev fontconfig fonts-dejavu-core
                fonts-liberation2 qt6-translations-l10n dpkg-dev file)

# Configures the build folder given, with any extra CMake options.
configure() {
    local folder=$1
    shift
    cmake -S "$BESEDKA_SOURCE" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Configures and builds everything into the folder given, with any extra CMake options.
build_into() {
    configure "$@"
    cmake --build "$1" --parallel "$(nproc)"
}
