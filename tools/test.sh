#!/usr/bin/env bash
# Builds pulsestage and runs the whole test suite twice: in a plain build, then in a build with
# AddressSanitizer (leak detection on) and UndefinedBehaviorSanitizer. Without a display it runs
# under Xvfb. Any failure or sanitizer report fails the command.
#   tools/test.sh [--plain]     --plain: the plain build alone
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: tools/test.sh [--plain]  (--plain: the plain build alone, without the sanitizer build)"
plain_only=false
case "$*" in
'') ;;
--plain) plain_only=true ;;
-h | --help)
    echo "$usage"
    exit 0
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
source tools/packages.sh
ensure_packages "${PROGRAM_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

if [ -z "${DISPLAY:-}" ]; then
    # The default screen of xvfb-run has no true-colour visual; -noreset keeps the server up
    # while test processes come and go.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

jobs=$(nproc)
# The tests run one at a time: they share one display, where a window that opens takes the
# keyboard focus and the pointer from the others, and a window that loses the focus releases
# every key it held.

echo "== plain build"
# Also builds the benchmarks, so that they keep compiling, and the picture generator, so that a
# test can check that resources/ still holds what it draws.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPULSESTAGE_BUILD_TESTS=ON \
    -DPULSESTAGE_BUILD_BENCH=ON -DPULSESTAGE_BUILD_IMAGES=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure

if $plain_only; then
    exit 0
fi

echo "== sanitizer build"
source tools/sanitizer.sh
build_sanitized
run_sanitized ctest --test-dir build-sanitize --output-on-failure
