#!/bin/sh
# Installs what the build, the program and the tests need on Debian 12, fetches the Latin
# lexical data, then configures and builds. Usage: scripts/setup.sh BUILD_DIR [cmake arguments]
set -eu

packages="cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
qt6-qpa-plugins libsqlite3-dev libgl-dev libxkbcommon-dev libbenchmark-dev xvfb xauth
poppler-utils fonts-dejavu-core x11-utils qt6-svg-dev desktop-file-utils appstream dpkg-dev file"

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installation des paquets manquants :$missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

build="$1"
shift
root="$(cd "$(dirname "$0")/.." && pwd)"

# The Latin lexical data of Debian's package collatinus, from which the build generates the
# base thesaurus and the lexicon. Only its data folder is unpacked (the package itself is not
# installed), into a cache folder that git ignores, once.
latin="$root/.cache/collatinus/data"
fetch_latin_data() {
    scratch="$(mktemp -d)"
    (
        cd "$scratch" &&
            { apt-get download collatinus ||
                  { $sudo apt-get update -qq && apt-get download collatinus; }; } &&
            dpkg-deb -x collatinus_*.deb unpacked &&
            mkdir -p "$root/.cache/collatinus" &&
            rm -rf "$latin.part" &&
            cp -r unpacked/usr/share/collatinus/data "$latin.part" &&
            mv "$latin.part" "$latin"
    ) >/dev/null 2>&1
    status=$?
    rm -rf "$scratch"
    return $status
}
if [ ! -f "$latin/lemmes.la" ]; then
    fetch_latin_data || true
fi
if [ -f "$latin/lemmes.la" ]; then
    latin_data="$latin"
else
    echo "Données latines indisponibles (paquet collatinus introuvable) : le programme garde son petit jeu de données."
    latin_data=""
fi

cmake -S "$root" -B "$root/$build" -G Ninja -DMORPHO_LATIN_DATA="$latin_data" "$@" >/dev/null
cmake --build "$root/$build" -j"$(nproc)"
