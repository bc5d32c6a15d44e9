#!/usr/bin/env bash
# Installs what is missing, builds every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them all through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"
ctest --preset test -j "$(nproc)"
