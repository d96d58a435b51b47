#!/usr/bin/env bash
# Installs what is missing, builds Quillmere and starts the wizard.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLMERE_BUILD_TESTS=OFF -DQUILLMERE_BUILD_BENCH=OFF
cmake --build "$root/build" --target quillmere quillmere-cli
exec "$root/build/app/quillmere" "$@"
