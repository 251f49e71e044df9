# Sourced by the scripts of tools/: installs the Debian packages given, when any is missing. Needs
# root, or sudo.

# What the program needs to build.
PROGRAM_PACKAGES=(cmake g++ make libsfml-dev libfreetype-dev libcli11-dev fonts-dejavu-core)
# What its tools need besides: pulsestage-shot writes GIFs with giflib, pulsestage-scene draws its
# inspector with Dear ImGui on OpenGL.
TOOL_PACKAGES=(libgif-dev libimgui-dev libgl-dev)
# What the tests and the benchmarks need besides, the display they run on without a desktop, and
# the validators of the desktop entry and the AppStream metadata.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev libx11-dev xvfb xauth desktop-file-utils appstream)
# What tools/test-on.sh needs besides on this machine to make a chroot of another release, and in
# it to make the Debian package (cpack tells the programs by file, dpkg-shlibdeps reads their
# libraries) and check it.
CHROOT_PACKAGES=(mmdebstrap)
PACKAGE_PACKAGES=(dpkg-dev file lintian)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "pulsestage: missing packages: ${missing[*]}; run as root or install sudo" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "pulsestage: missing packages: ${missing[*]}; this needs a Debian system with apt-get" >&2
        return 1
    fi

    echo "pulsestage: installing ${missing[*]}"
    if ! "${sudo[@]}" apt-get update -qq ||
        ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        echo "pulsestage: could not install ${missing[*]}" >&2
        return 1
    fi
}
