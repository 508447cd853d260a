#!/usr/bin/env bash
# Installs what is missing, builds Velloru and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORU_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)" --target velloru
exec build/release/bin/velloru "$@"
