# Sourced by test.sh and fuzz.sh: the build with AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer, and the settings its programs run with. Any report ends the program
# with a non-zero status.

build_sanitized() {
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPULSESTAGE_SANITIZE=ON >/dev/null
    cmake --build build-sanitize -j "$(nproc)"
}

# Runs the command, and every program it starts, under the sanitizers' settings.
run_sanitized() {
    # Mesa's software driver, unloaded at exit, leaves blocks the leak check can no longer trace
    # to their owner and reports as leaks; keeping it loaded lets the check see they are still
    # held.
    local swrast
    swrast=$(find /usr/lib -name swrast_dri.so -print -quit 2>/dev/null || true)
    LD_PRELOAD="$(gcc -print-file-name=libasan.so)${swrast:+:$swrast}" \
        ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$@"
}
