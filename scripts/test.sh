#!/usr/bin/env bash
# Installs what is missing, builds Velloru, and runs the whole test suite
# twice: once as built for play, once with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORU_BUILD_TESTS=ON
cmake --build build/release -j"$jobs"
(cd build/release && ctest -j"$jobs" --output-on-failure)

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLORU_SANITIZE=ON -DVELLORU_BUILD_TESTS=ON
cmake --build build/sanitize -j"$jobs"
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -j"$jobs" --output-on-failure)
