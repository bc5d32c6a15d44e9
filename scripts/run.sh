#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its working
# folder (default ~/ombrelune, or the folder given as first argument), where the
# catalogues we ship are copied when they are missing. A catalogue the user has
# edited there is never overwritten.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
cd "$src"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target ombrelune
work="${1:-$HOME/ombrelune}"
mkdir -p "$work"
for f in correcteur.txt l_ccd.txt; do
  [ -e "$work/$f" ] || cp "$src/data/$f" "$work/$f"
done
cd "$work"
exec "$src/build/release/src/app/ombrelune"
