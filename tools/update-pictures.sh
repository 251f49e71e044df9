#!/usr/bin/env bash
# Draws the reference pictures of the picture tests anew, with the arguments listed in
# tests/pictures/cases.txt, into tests/pictures/, and the README's loops into docs/. Run it on
# purpose, when a scene's look has changed, then look at the pictures before committing them.
# Without a display it runs under Xvfb.
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

# The main scene for one turn of the beat's rotation (2 pi / 2.3 s, 165 frames of 1/60 s) at 20
# frames a second, and the start-up scene while a script drags the destination across the wall.
build/pulsestage-shot --scene main --size 512x300 --frames 165 --every 3 --gif docs/main-scene.gif
build/pulsestage-shot --scene TestBoundedMovement --size 720x480 --dt 0.04 \
    --script docs/startup-drag.script --gif docs/startup-scene.gif
# The player's inspector over the main scene while a script changes the beat, pauses and steps.
build/pulsestage-shot --scene main --size 640x360 --inspector --every 4 \
    --script docs/inspector.script --gif docs/inspector.gif
printf '%s\n' docs/main-scene.gif docs/startup-scene.gif docs/inspector.gif
