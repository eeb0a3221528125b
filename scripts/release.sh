#!/usr/bin/env bash
# Makes a release of the checked-out commit: the Debian package and, where the cross-built Qt for
# Windows is there (as scripts/windows.sh finds it; that script builds it), the portable
# dicemere.exe and its installer, written into OUTDIR with their SHA256SUMS. Without that Qt it
# makes the Debian package and says that the Windows part was left out. Non-zero on any failure.
#
#   scripts/release.sh [--linux] OUTDIR   the release (--linux: the Debian package alone)
#   scripts/release.sh --verify [--linux] makes it twice, in two fresh clones of this commit at
#                                         different paths, in different time zones, locales and
#                                         umasks, and compares every file byte for byte; names
#                                         the first file and byte that differ
#
# The same commit gives the same bytes anywhere: every time in the files is the commit's
# (SOURCE_DATE_EPOCH), the time zone, locale and umask are fixed here, and the release presets
# keep the build folders out of the binaries.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."

usage() {
    echo "usage: $0 [--linux] OUTDIR | --verify [--linux]" >&2
    exit 2
}

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
need() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

qt=${DICEMERE_QT_MINGW:-$HOME/.cache/dicemere/qt-6.4.2-mingw-r2}
# The same test as scripts/windows.sh: Qt counts only with its Windows platform plugin and the
# stamp of scripts/qt-mingw.sh's current way.
qt_ready() {
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$qt/plugins/platforms/libqwindows.a" ] \
        && [ -f "$qt/dicemere-qt-recipe-2" ]
}

release() {
    local linux_only=$1 out=$2
    [[ $out == /* ]] || out=$caller/$out
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "Uncommitted changes: a release is made from a commit alone" >&2
        exit 1
    fi
    if [ -e "$out" ] && [ -n "$(ls -A "$out")" ]; then
        echo "$out is not empty" >&2
        exit 1
    fi
    mkdir -p "$out"
    out=$(realpath "$out")

    scripts/setup.sh
    need git file
    export SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8
    unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
    umask 022
    echo "== Release of $(git rev-parse HEAD), dated $(date -d "@$SOURCE_DATE_EPOCH" -R)"

    local start=$SECONDS build=build/release
    echo "== Linux: the Debian package"
    rm -rf "$build"
    cmake --preset release >/dev/null
    cmake --build --preset release
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
    cp "$build"/package/dicemere_*.deb "$out"/
    local timings=("Linux: $((SECONDS - start)) s")

    if [ "$linux_only" = 1 ]; then
        timings+=("Windows: left out (--linux)")
    elif ! qt_ready; then
        echo "== Windows: LEFT OUT, no cross-built Qt in $qt (scripts/windows.sh builds it)"
        timings+=("Windows: left out, no cross-built Qt")
    else
        start=$SECONDS build=build/windows-release
        echo "== Windows: the portable dicemere.exe and the installer"
        need nsis
        rm -rf "$build"
        DICEMERE_QT_MINGW=$qt cmake --preset windows-release >/dev/null
        cmake --build --preset windows-release
        cmake --install "$build" --prefix "$build/portable" --strip >/dev/null
        cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
        cp "$build/portable/bin/dicemere.exe" "$build"/package/dicemere-*-setup.exe "$out"/
        timings+=("Windows: $((SECONDS - start)) s")
    fi

    (cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | sort \
        | xargs -d '\n' sha256sum -- >SHA256SUMS)
    echo "== Done: $out"
    printf '%s\n' "${timings[@]}"
    cat "$out/SHA256SUMS"
}

# Compares two releases file by file; for the first byte that differs it says where, and
# diffoscope says what. Each file is also searched for the folders it was built in.
compare() {
    local a=$1 b=$2 work=$3 status=0 name where
    # The list of sums last: where a file differs, its sum differs too.
    for name in $( (ls "$a"; ls "$b") | grep -vx SHA256SUMS | LC_ALL=C sort -u) SHA256SUMS; do
        if [ ! -f "$a/$name" ] || [ ! -f "$b/$name" ]; then
            echo "DIFFERS: $name is in one release only"
            status=1
        elif ! where=$(cmp -- "$a/$name" "$b/$name"); then
            where=${where#* differ: }
            echo "DIFFERS: $name, first at ${where%%,*} (counted from 1)"
            need diffoscope-minimal
            diffoscope --text "$work/$name.diffoscope.txt" "$a/$name" "$b/$name" >/dev/null || true
            head -n 60 "$work/$name.diffoscope.txt" 2>/dev/null || true
            status=1
        else
            echo "identical: $(sha256sum <"$a/$name" | cut -c1-64)  $name"
        fi
    done
    for name in "$a"/*.deb; do
        [ -f "$name" ] && dpkg-deb -R "$name" "$work/unpacked-$(basename "$name")"
    done
    # The cross-built Qt's folder too: Qt's static libraries go into dicemere.exe.
    if grep -rlF -e "$work" -e "$qt" "$a" "$work"/unpacked-* 2>/dev/null; then
        echo "BUILD FOLDER NAMED: in the files above"
        status=1
    fi
    return $status
}

verify() {
    local linux_only=$1 commit work locale
    commit=$(git rev-parse HEAD)
    need git
    work=$(mktemp -d /tmp/dicemere-verify.XXXXXX)
    [ -z "$(git status --porcelain --untracked-files=no)" ] \
        || echo "Uncommitted changes are left out: the commit $commit is what is made twice"
    # Anything but C.UTF-8, which the first run has, and the release sets for itself.
    locale=$(locale -a | grep -vixE 'c|c\.utf-?8|posix' | head -n 1 || true)
    local -a option=()
    [ "$linux_only" = 1 ] && option=(--linux)

    local first=$work/a second=$work/second-clone/at/another/depth start=$SECONDS
    for clone in "$first" "$second"; do
        git clone -q --no-checkout "$PWD" "$clone"
        git -C "$clone" checkout -q --detach "$commit"
    done
    echo "== Verify, first run: $first, UTC, C.UTF-8, umask 022"
    (umask 022 && TZ=UTC LC_ALL=C.UTF-8 "$first/scripts/release.sh" "${option[@]}" "$work/out-a")
    echo "== Verify, second run: $second, UTC+14, ${locale:-C}, umask 077"
    (umask 077 && TZ=Pacific/Kiritimati LC_ALL=${locale:-C} \
        "$second/scripts/release.sh" "${option[@]}" "$work/out-b")

    echo "== Verify: the two releases of $commit"
    if compare "$work/out-a" "$work/out-b" "$work"; then
        echo "== Verified: every file is the same in both ($((SECONDS - start)) s)"
        rm -rf "$work"
    else
        echo "== NOT REPRODUCIBLE; both releases and the reports are kept in $work"
        exit 1
    fi
}

linux_only=0
case "${1:-}" in
--verify)
    [ "${2:-}" = --linux ] && linux_only=1
    [ $# -le $((1 + linux_only)) ] || usage
    verify $linux_only
    ;;
--linux)
    [ $# -eq 2 ] || usage
    release 1 "$2"
    ;;
"" | -*) usage ;;
*)
    [ $# -eq 1 ] || usage
    release 0 "$1"
    ;;
esac
