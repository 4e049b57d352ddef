#!/bin/sh
# Builds the program and starts it on its shipped data.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=Release -DMORPHO_TESTS=OFF
exec "$root/build/morphologique" "$@"
