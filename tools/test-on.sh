#!/usr/bin/env bash
# Runs the README's test command, tools/test.sh, as on a fresh machine of another Debian release,
# and prints its result: a minimal chroot of the release (essential packages and apt) made with
# mmdebstrap from the mirror this machine's apt uses, a clone of this checkout's HEAD in it, the
# packages the test command needs installed from the mirror, then the test command run with no
# network, so that its Xvfb shares neither display numbers nor sockets with any other.
#   tools/test-on.sh RELEASE [--plain | --package]
# RELEASE is bookworm, trixie or forky; --plain goes to the test command (the plain build alone).
# --package makes the Debian package there instead (README, Install), prints its dependencies and
# what lintian says of it, installs it into a second, bare chroot of the release, draws a picture
# with it from / as root, and removes it again, checking that nothing of it is left.
# It needs root. The base image of each release and the packages downloaded for it are kept in
# $PULSESTAGE_CHROOT_CACHE (by default /var/cache/pulsestage-chroots); an image is made anew when
# it is a week old. The chroots and their mounts are gone when the command ends, interrupted too.
# Exit status: the test command's (with --package, 1 when a check fails); 2 for a wrong call; 75
# when the mirror does not answer, so that no chroot could be made; 1 when anything else of the
# setting up fails.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly Releases="bookworm trixie forky"
# Debian testing, whose mirror may serve a Release file past its Valid-Until: accepted for it alone.
readonly Testing=forky
readonly MirrorUnreachable=75
readonly ImageDays=7
# Where each run works; what a run killed outright (SIGKILL) leaves there, the next one removes.
readonly WorkPrefix=/var/tmp/pulsestage-test-on

usage() {
    echo "usage: tools/test-on.sh RELEASE [--plain | --package]  (RELEASE: ${Releases// /, })" >&2
    exit 2
}
[ $# -ge 1 ] && [[ " $Releases " == *" $1 "* ]] || usage
release=$1
shift
case "$*" in
'' | --plain | --package) ;;
*) usage ;;
esac
if [ "$(id -u)" -ne 0 ]; then
    echo "tools/test-on.sh: needs root, to make the chroot and mount into it" >&2
    exit 1
fi
cache=${PULSESTAGE_CHROOT_CACHE:-/var/cache/pulsestage-chroots}
image=$cache/$release.tar
packages=$cache/$release-packages

# The mirror this machine takes its own Debian release from, as apt itself reads its sources.
host_mirror() {
    local codename uri
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
        awk -v codename="$codename" '
            $2 == codename || $2 ~ /^(stable|testing|unstable|sid)$/ { print $1; exit }')
    # A list of mirrors (mirror+file:) stands for its first.
    if [[ "$uri" == mirror+file:* ]]; then
        uri=${uri#mirror+file:}
        uri=$(sed -n 's/[[:space:]]*#.*//; /^[^[:space:]]/{s/[[:space:]].*//; p; q}' "${uri%/}")
    fi
    echo "${uri%/}"
}

mirror=$(host_mirror)
if [ -z "$mirror" ]; then
    echo "tools/test-on.sh: found no Debian mirror for this machine's release in /etc/apt" >&2
    exit 1
fi

source tools/packages.sh
ensure_packages "${CHROOT_PACKAGES[@]}"

# Whether the mirror answers for the release at all: when it does not, no chroot can be made, and
# the caller decides what that means.
probe=$(mktemp -d)
if ! /usr/lib/apt/apt-helper -o APT::Sandbox::User=root -o Acquire::Retries=1 \
    -o Acquire::http::Timeout=30 -o Acquire::https::Timeout=30 \
    download-file "$mirror/dists/$release/InRelease" "$probe/InRelease" >"$probe/log" 2>&1; then
    cat "$probe/log" >&2
    rm -rf "$probe"
    echo "tools/test-on.sh: the mirror $mirror does not answer for $release: no chroot made" >&2
    exit $MirrorUnreachable
fi
rm -rf "$probe"

# The rest runs in a mount namespace of its own: whatever happens, no mount outlives the command.
if [ -z "${PULSESTAGE_TEST_ON_NAMESPACE:-}" ]; then
    exec unshare --mount --propagation private env PULSESTAGE_TEST_ON_NAMESPACE=1 \
        "$PWD/tools/test-on.sh" "$release" "$@"
fi

seconds() { echo "$((SECONDS - $1)) s"; }

mkdir -p "$cache" "$packages/partial"
if [ ! -f "$image" ] || [ -n "$(find "$image" -mtime +$((ImageDays - 1)))" ]; then
    echo "== $release: making the base image from $mirror"
    start=$SECONDS
    options=(--variant=apt --format=tar)
    if [ "$release" = "$Testing" ]; then
        options+=(--aptopt='Acquire::Check-Valid-Until "false"')
    fi
    # Put in place whole, and only when made: a run beside this one keeps reading the old one.
    mmdebstrap "${options[@]}" "$release" "$image.$$" "$mirror" || {
        rm -f "$image.$$"
        exit 1
    }
    mv "$image.$$" "$image"
    echo "== $release: base image made in $(seconds $start)"
fi

for stale in "$WorkPrefix".*; do
    if [ -d "$stale" ] && ! kill -0 "${stale##*.}" 2>/dev/null; then
        rm -rf --one-file-system "$stale"
    fi
done
work=$WorkPrefix.$$
rm -rf --one-file-system "$work"
mkdir -m 700 "$work"
mounts=()
phase=

# Stops what still runs in a chroot, takes the mounts down and removes the chroots: on every exit.
cleanup() {
    local status=$? i
    trap - EXIT INT TERM HUP
    if [ -n "$phase" ]; then
        # Killing the namespace's first process kills every process in it.
        kill -KILL "$phase" 2>/dev/null || true
        wait "$phase" 2>/dev/null || true
    fi
    for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do
        umount -R "${mounts[i]}" 2>/dev/null || umount -R -l "${mounts[i]}" || true
    done
    if grep -q " $work/" /proc/self/mountinfo; then
        echo "tools/test-on.sh: mounts remain under $work; left in place" >&2
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Unpacks the base image into the folder given, with the machine's devices and the package cache.
make_chroot() {
    local root=$1 file
    mkdir "$root"
    tar -xf "$image" -C "$root" --exclude='./dev/*'
    # Names resolve in the chroot as they do here.
    for file in /etc/hosts /etc/resolv.conf; do
        if [ -f "$file" ]; then
            cp --remove-destination "$file" "$root/etc/"
        fi
    done
    mount --rbind /dev "$root/dev"
    mounts+=("$root/dev")
    mount --rbind /sys "$root/sys"
    mounts+=("$root/sys")
    mount --bind "$packages" "$root/var/cache/apt/archives"
    mounts+=("$root/var/cache/apt/archives")
}

# Runs the command in the chroot given, in the folder given, in pid and mount namespaces of its
# own (and others as given), with a clean environment. The shell stays the namespace's first
# process, which has duties of its own: made the first by the shell's exec of a last command,
# xvfb-run waited forever for its server's signal that it was ready.
in_chroot() {
    local root=$1 folder=$2 command=$3
    shift 3
    unshare --pid --fork --kill-child --mount-proc="$root/proc" "$@" \
        chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "set -e; cd $folder; $command; exit \$?" &
    phase=$!
    local status=0
    wait "$phase" || status=$?
    phase=
    return "$status"
}

# Runs a step in the chroot that needs the network, its output kept in a log and shown on failure.
step_with_network() {
    local name=$1 root=$2 folder=$3 command=$4 log
    log=$work/$name.log
    echo "== $release: $name"
    local start=$SECONDS
    if ! in_chroot "$root" "$folder" "$command" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "== $release: $name FAILED after $(seconds $start)" >&2
        exit 1
    fi
    echo "== $release: $name took $(seconds $start)"
}

root=$work/root
make_chroot "$root"
if [ -n "$(git -c safe.directory='*' status --porcelain)" ]; then
    echo "== note: the chroot gets the checkout's HEAD; uncommitted changes are not part of it"
fi
git -c safe.directory='*' clone --quiet --no-checkout "$PWD" "$root/src"
git -C "$root/src" checkout --quiet --detach "$(git -c safe.directory='*' rev-parse HEAD)"

if [ "${1:-}" != --package ]; then
    # What the test command installs for itself on a fresh machine, installed beforehand while
    # the chroot has the network: the test command then finds it all there, or fails for want of
    # it.
    step_with_network "installing the test command's packages" "$root" /src 'source tools/packages.sh
        ensure_packages "${PROGRAM_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        apt-get autoclean -qq'

    command="tools/test.sh${1:+ $*}"
    echo "== $release: $command"
    start=$SECONDS
    status=0
    in_chroot "$root" /src "$command" --net --ipc || status=$?
    if [ $status -eq 0 ]; then
        echo "== $release: $command passed in $(seconds $start)"
    else
        echo "== $release: $command FAILED with exit status $status after $(seconds $start)"
    fi
    exit $status
fi

# The package, made as the README's Install section makes it.
step_with_network "making the package" "$root" /src 'source tools/packages.sh
    ensure_packages "${PROGRAM_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    apt-get autoclean -qq
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DPULSESTAGE_BUILD_TESTS=OFF
    cmake --build build-package -j "$(nproc)"
    cd build-package
    cpack -G DEB'
deb=$(echo "$root"/src/build-package/pulsestage_*.deb)
echo "== $release: $(basename "$deb")"
dpkg-deb --field "$deb" Depends | sed 's/^/   Depends: /'
echo "== $release: lintian"
status=0
in_chroot "$root" /src/build-package "lintian $(basename "$deb")" --net || status=$?
echo "== $release: lintian ended with exit status $status"

# A bare machine of the release, with what xvfb-run needs, then the package.
bare=$work/bare
make_chroot "$bare"
cp "$deb" "$bare/tmp/"
# Every file outside what apt, dpkg and the temporary folders keep for themselves, with its size
# and permissions, and every package installed. The caches in root's home are root's: Mesa keeps
# the shaders of the picture drawn below there, as for any program that draws with OpenGL, and the
# X server it is drawn on its compiled keymaps in /var/lib/xkb. A folder's size grows with the
# entries it ever held, so only its permissions count.
readonly Snapshot='{ find / -xdev \( -path /proc -o -path /tmp -o -path /var/cache/apt \
        -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/log -o -path /root/.cache \
        -o -path /var/lib/xkb \) \
        -prune -o -type d -printf "%p %M\n" -o -printf "%p %s %M\n"; dpkg-query -W; } | sort'
step_with_network "installing it into a bare chroot" "$bare" / "apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth
    $Snapshot >/tmp/before
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$(basename "$deb")"

shot='pulsestage-shot --scene main --frames 10 --out /tmp/x.png'
echo "== $release: $shot, from / as root"
if ! in_chroot "$bare" / "xvfb-run -a -s '-screen 0 1280x1024x24' $shot
    [ \"\$(head -c 8 /tmp/x.png | od -An -tx1 | tr -d ' ')\" = 89504e470d0a1a0a ]
    echo \"   /tmp/x.png: a PNG of \$(stat -c %s /tmp/x.png) bytes\"" --net --ipc; then
    echo "== $release: the installed package did not draw the picture" >&2
    exit 1
fi

step_with_network "removing it" "$bare" / "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq pulsestage
    DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -qq
    $Snapshot >/tmp/after"
if ! diff "$bare/tmp/before" "$bare/tmp/after" >"$work/left"; then
    echo "== $release: the package left a trace:" >&2
    cat "$work/left" >&2
    exit 1
fi
echo "== $release: removed without a trace"
exit $status
