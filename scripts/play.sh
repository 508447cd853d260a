#!/usr/bin/env bash
# Installs what is missing, builds Velloru and starts it. Run it as yourself
# (sudo is used for the installation only) or as root.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORU_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)" --target velloru

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  {
    echo "Velloru is built (build/release/bin/velloru), but there is no display to show it on:"
    echo "DISPLAY is not set. Run this command from a desktop session, or see \"Running without"
    echo "a display\" in README.md."
  } >&2
  exit 1
fi
# Qt keeps its runtime files there; a root shell often has none set.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -un)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
exec build/release/bin/velloru "$@"
