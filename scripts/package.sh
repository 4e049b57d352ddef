#!/bin/sh
# Builds the Debian package build-deb/morphologique_VERSION_amd64.deb: a Release build on the
# Latin lexical data, installed under /usr, packed by CPack (Depends computed by
# dpkg-shlibdeps). Refuses to pack the small hand-written data set in its place.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DMORPHO_TESTS=OFF -DMORPHO_BENCH=OFF

latin="$(sed -n 's/^MORPHO_LATIN_DATA:PATH=//p' "$root/build-deb/CMakeCache.txt")"
if [ -z "$latin" ] || [ ! -f "$latin/lemmes.la" ]; then
    echo "Paquet non construit : la base lexicale latine manque (voir scripts/setup.sh)." >&2
    exit 1
fi

cd "$root/build-deb"
rm -f morphologique_*.deb
cpack -G DEB >cpack.log || { cat cpack.log >&2; exit 1; }
ls "$root"/build-deb/morphologique_*.deb
