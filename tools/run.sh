#!/usr/bin/env bash
# Builds pulsestage and starts it in the repository root, where its resources/ folder is.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages

if [ -z "${DISPLAY:-}" ]; then
    echo "pulsestage: no display (DISPLAY is unset); start it from a graphical session" >&2
    exit 1
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pulsestage -j "$(nproc)"
exec build/pulsestage
