#!/usr/bin/env bash
# Runs the README's test command, tools/test.sh, as on a fresh machine of another Debian release,
# and prints its result: a minimal chroot of the release (essential packages and apt) made with
# mmdebstrap from the mirror this machine's apt uses, a clone of this checkout's HEAD in it, the
# packages the test command needs installed from the mirror, then the test command run with no
# network, so that its Xvfb shares neither display numbers nor sockets with any other.
#   tools/test-on.sh RELEASE [OPTION]    RELEASE: bookworm, trixie or forky; the option goes to
#                                        tools/test.sh (--plain: the plain build alone)
# It needs root. The base image of each release and the packages downloaded for it are kept in
# $PULSESTAGE_CHROOT_CACHE (by default /var/cache/pulsestage-chroots); an image is made anew when
# it is a week old. The chroot and its mounts are gone when the command ends, interrupted too.
# Exit status: the test command's; 2 for a wrong call; 75 when the mirror does not answer, so
# that no chroot could be made; 1 when anything else of the setting up fails.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly Releases="bookworm trixie forky"
# Debian testing, whose mirror may serve a Release file past its Valid-Until: accepted for it alone.
readonly Testing=forky
readonly MirrorUnreachable=75
readonly ImageDays=7

usage() {
    echo "usage: tools/test-on.sh RELEASE [--plain]  (RELEASE: ${Releases// /, })" >&2
    exit 2
}
[ $# -ge 1 ] && [[ " $Releases " == *" $1 "* ]] || usage
release=$1
shift
[ $# -eq 0 ] || [ "$*" = --plain ] || usage
if [ "$(id -u)" -ne 0 ]; then
    echo "tools/test-on.sh: needs root, to make the chroot and mount into it" >&2
    exit 1
fi
cache=${PULSESTAGE_CHROOT_CACHE:-/var/cache/pulsestage-chroots}
image=$cache/$release.tar
packages=$cache/$release-packages

# Prints "URI SUITE" for each source of binary packages in the apt configuration folder given,
# from one-line .list files and deb822 .sources files, enabled ones only.
apt_sources() {
    local etc=$1 file
    for file in "$etc/sources.list" "$etc"/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        # deb [OPTIONS] URI SUITE COMPONENT...
        sed 's/#.*//' "$file" | awk '$1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
            print $i, $(i + 1) }'
    done
    for file in "$etc"/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk 'BEGIN { RS = ""; FS = "\n" }
        {
            delete field; name = ""
            for (i = 1; i <= NF; i++) {
                if ($i ~ /^#/) continue
                if ($i ~ /^[ \t]/) { field[name] = field[name] " " $i; continue }
                if (!match($i, /^[A-Za-z0-9-]+:/)) continue
                name = tolower(substr($i, 1, RLENGTH - 1))
                field[name] = substr($i, RLENGTH + 1)
            }
            if (tolower(field["enabled"]) ~ /no/ || field["types"] !~ /(^|[ \t])deb([ \t]|$)/) next
            uriCount = split(field["uris"], uris, /[ \t]+/)
            suiteCount = split(field["suites"], suites, /[ \t]+/)
            for (u = 1; u <= uriCount; u++)
                for (s = 1; s <= suiteCount; s++)
                    if (uris[u] != "" && suites[s] != "") print uris[u], suites[s]
        }' "$file"
    done
}

# The mirror this machine takes its own Debian release from.
host_mirror() {
    local codename uri
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    uri=$(apt_sources /etc/apt | awk -v codename="$codename" '
        $2 == codename || $2 ~ /^(oldstable|stable|testing|unstable|sid)$/ { print $1; exit }')
    # A list of mirrors (mirror+file:) stands for its first.
    if [[ "$uri" == mirror+file:* ]]; then
        uri=$(sed -n 's/[[:space:]]*#.*//; /^[^[:space:]]/{s/[[:space:]].*//; p; q}' "${uri#mirror+file:}")
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
    rm -f "$image.new"
    mmdebstrap "${options[@]}" "$release" "$image.new" "$mirror"
    mv "$image.new" "$image"
    echo "== $release: base image made in $(seconds $start)"
fi

work=$(mktemp -d /var/tmp/pulsestage-test-on.XXXXXX)
root=$work/root
mounts=()
phase=

# Stops what still runs in the chroot, takes its mounts down and removes it: on every exit.
cleanup() {
    local status=$? i mount
    trap - EXIT INT TERM HUP
    if [ -n "$phase" ]; then
        # Killing the namespace's first process kills every process in it.
        kill -KILL "$phase" 2>/dev/null || true
        wait "$phase" 2>/dev/null || true
    fi
    for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do
        mount=${mounts[i]}
        umount -R "$mount" 2>/dev/null || umount -R -l "$mount" || true
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

mkdir "$root"
# The devices come from the machine itself, below.
tar -xf "$image" -C "$root" --exclude='./dev/*'
# Names resolve in the chroot as they do here.
for file in /etc/hosts /etc/resolv.conf; do
    if [ -f "$file" ]; then
        cp --remove-destination "$file" "$root/etc/"
    fi
done
if [ -n "$(git -c safe.directory='*' status --porcelain)" ]; then
    echo "== note: the chroot gets the checkout's HEAD; uncommitted changes are not part of it"
fi
git -c safe.directory='*' clone --quiet --no-checkout "$PWD" "$root/src"
git -C "$root/src" checkout --quiet --detach "$(git -c safe.directory='*' rev-parse HEAD)"

bind() {
    mount --rbind "$1" "$root$2"
    mounts+=("$root$2")
}
bind /dev /dev
bind /sys /sys
bind "$packages" /var/cache/apt/archives

# Runs the command in the chroot, in /src, in pid and mount namespaces of its own (and others as
# given), with a clean environment. The shell stays the namespace's first process, which has
# duties of its own: made the first by the shell's exec of a last command, xvfb-run waited
# forever for its server's signal that it was ready.
in_chroot() {
    local command=$1
    shift
    unshare --pid --fork --kill-child --mount-proc="$root/proc" "$@" \
        chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /src && $command; exit \$?" &
    phase=$!
    local status=0
    wait "$phase" || status=$?
    phase=
    return "$status"
}

# What the test command installs for itself on a fresh machine, installed beforehand while the
# chroot has the network: the test command then finds it all there, or fails for want of it.
echo "== $release: installing the test command's packages"
start=$SECONDS
if ! in_chroot 'source tools/packages.sh &&
    ensure_packages "${PROGRAM_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${TEST_PACKAGES[@]}" &&
    apt-get autoclean -qq' >"$work/packages.log" 2>&1; then
    tail -n 40 "$work/packages.log"
    echo "== $release: the packages could not be installed" >&2
    exit 1
fi
echo "== $release: packages installed in $(seconds $start)"

command="tools/test.sh${1:+ $*}"
echo "== $release: $command"
start=$SECONDS
status=0
in_chroot "$command" --net --ipc || status=$?
if [ $status -eq 0 ]; then
    echo "== $release: $command passed in $(seconds $start)"
else
    echo "== $release: $command FAILED with exit status $status after $(seconds $start)"
fi
exit $status
