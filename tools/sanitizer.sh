# Sourced by test.sh and fuzz.sh: the build with AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer, and the settings its programs run with. Any report ends the program
# with a non-zero status.

build_sanitized() {
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPULSESTAGE_SANITIZE=ON >/dev/null
    cmake --build build-sanitize -j "$(nproc)"
    # A library that unloads another (Mesa its driver, as a display closes) takes the names of the
    # other's code with it: the leak check could neither see that the other still holds a block
    # nor match a suppression by the library's name. This one keeps every library loaded.
    printf '%s\n' '#include <dlfcn.h>' 'int dlclose(void *library) { (void)library; return 0; }' |
        gcc -shared -fPIC -Wall -Wextra -x c - -o build-sanitize/keep-libraries-loaded.so
}

# Runs the command, and every program it starts, under the sanitizers' settings.
run_sanitized() {
    LD_PRELOAD="$(gcc -print-file-name=libasan.so):$PWD/build-sanitize/keep-libraries-loaded.so" \
        ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$@"
}
