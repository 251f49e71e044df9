#!/usr/bin/env bash
# Builds pulsestage and starts it in the repository root, where its resources/ folder is.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${PROGRAM_PACKAGES[@]}" "${TOOL_PACKAGES[@]}"

if [ -z "${DISPLAY:-}" ]; then
    echo "pulsestage: no display (DISPLAY is unset); start it from a graphical session" >&2
    exit 1
fi

# The program alone: no test framework needed.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPULSESTAGE_BUILD_TESTS=OFF >/dev/null
cmake --build build --target pulsestage -j "$(nproc)"
exec build/pulsestage
