#!/bin/sh
# Installs what the build, the program and the tests need on Debian 12, then configures and
# builds. Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
set -eu

packages="cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
qt6-qpa-plugins libgl-dev libxkbcommon-dev libbenchmark-dev xvfb xauth poppler-utils
fonts-dejavu-core x11-utils"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installation des paquets manquants :$missing"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

build="$1"
shift
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/$build" -G Ninja "$@" >/dev/null
cmake --build "$root/$build" -j"$(nproc)"
