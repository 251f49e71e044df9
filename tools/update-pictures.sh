#!/usr/bin/env bash
# Draws the reference pictures of the picture tests anew, with the arguments listed in
# tests/pictures/cases.txt, into tests/pictures/. Run it on purpose, when a scene's look has
# changed, then look at the pictures before committing them. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pulsestage-shot -j "$(nproc)"

while read -r name arguments; do
    case "$name" in '' | '#'*) continue ;; esac
    # The arguments are words without quotes: split them as the tests do.
    # shellcheck disable=SC2086
    build/pulsestage-shot $arguments --out "tests/pictures/$name.png"
    echo "tests/pictures/$name.png"
done < tests/pictures/cases.txt
