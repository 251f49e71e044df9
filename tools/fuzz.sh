#!/usr/bin/env bash
# Runs the suite's fuzz test (ShotFuzz, tests/stage/ShotFuzzTest.cpp) with COUNT seeds from SEED
# on, in the sanitizer build, and prints the seed of every failure: pulsestage-shot draws each
# scene under a long random script drawn from the seed. Without a display it runs under Xvfb.
#   tools/fuzz.sh SEED COUNT
# The test writes the script itself, so the suite and a campaign share one generator; the log of
# a failing seed, with the script's path, is left in build-sanitize/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: tools/fuzz.sh SEED COUNT  (whole numbers; the seeds go up to 4294967295)" >&2
    exit 2
}
[ $# -eq 2 ] && [[ "$1" =~ ^[0-9]{1,10}$ && "$2" =~ ^[0-9]{1,10}$ ]] || usage
# Base 10 also with leading zeros.
first=$((10#$1))
count=$((10#$2))
[ $((first + count)) -le 4294967296 ] || usage

source tools/packages.sh
ensure_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

source tools/sanitizer.sh
build_sanitized
mkdir -p build-sanitize/fuzz
failed=()
for ((seed = first; seed < first + count; ++seed)); do
    log=build-sanitize/fuzz/seed-$seed.log
    if PULSESTAGE_FUZZ_SEED=$seed run_sanitized build-sanitize/pulsestage_display_tests \
        --gtest_filter='ShotFuzz.*' >"$log" 2>&1; then
        rm "$log"
        echo "seed $seed: passed"
    else
        failed+=("$seed")
        echo "seed $seed: FAILED, see $log"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "failing seeds: ${failed[*]}"
    exit 1
fi
echo "all $count seeds passed"
