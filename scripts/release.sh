#!/usr/bin/env bash
# Makes a release of the checked-out commit: a Debian package for each of Debian 12 and 13, each
# built in its own release (Debian 13 in the root of scripts/debian13.sh; on Debian 13 itself, its
# own package alone), and, where the cross-built Qt for Windows is there (scripts/windows.sh
# builds it), the portable dicemere.exe and its installer, written into OUTDIR with their
# SHA256SUMS. Without that Qt it says that the Windows part was left out. Non-zero on any failure.
#
#   scripts/release.sh [--linux] OUTDIR   the release (--linux: the Debian packages alone)
#   scripts/release.sh --verify [--linux] makes it twice, in two fresh clones of this commit at
#                                         different paths, in different time zones, locales and
#                                         umasks, and compares every file byte for byte; names
#                                         the first file and byte that differ
#
# A release is exactly its commit: it is built in a fresh clone of it, so nothing of the working
# tree (an untracked file, an edit git was told to ignore) can get in. OUTDIR is checked before
# anything is built and filled only at the end, whole: a release that fails leaves it untouched.
# The same commit gives the same bytes anywhere: every time in the files is the commit's
# (SOURCE_DATE_EPOCH), the time zone, locale and umask are fixed here, and the release presets
# keep the build folders out of the binaries.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
source scripts/lib.sh

usage() {
    echo "usage: $0 [--linux] OUTDIR | --verify [--linux]" >&2
    exit 2
}

# Builds, in this checkout and the Debian release it runs on, the Debian package (--deb) or the
# Windows files (--windows) into the folder given.
build_part() {
    local part=$1 out=$2 build
    export SOURCE_DATE_EPOCH
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8
    unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
    umask 022
    mkdir -p "$out"
    if [ "$part" = --deb ]; then
        scripts/setup.sh
        build=build/release
        cmake --preset release >/dev/null
        cmake --build --preset release
        cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
        cp "$build"/package/dicemere_*.deb "$out"/
    else
        need nsis
        build=build/windows-release
        cmake --preset windows-release >/dev/null
        cmake --build --preset windows-release
        cmake --install "$build" --prefix "$build/portable" --strip >/dev/null
        cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
        cp "$build/portable/bin/dicemere.exe" "$build"/package/dicemere-*-setup.exe "$out"/
    fi
}

# Says why OUTDIR cannot take a release, before anything is built; else makes the folder the
# release is put together in, beside OUTDIR or inside it, on the same file system.
prepare_out() {
    local out=$1
    if [ -e "$out" ] && [ ! -d "$out" ]; then
        echo "$out is not a folder" >&2
        exit 1
    elif [ -d "$out" ] && [ -n "$(ls -A "$out")" ]; then
        echo "$out is not empty: a release goes into an empty or a new folder" >&2
        exit 1
    fi
    local parent=$out
    [ -d "$out" ] || parent=$(dirname "$out")
    [ -d "$parent" ] || mkdir -p "$parent" || exit 1
    mktemp -d "$parent/.dicemere-release.XXXXXX" || {
        echo "cannot write into $parent" >&2
        exit 1
    }
}

release() {
    # stage and clone stay global: the trap that takes them away runs when the script exits.
    local linux_only=$1 out=$2 commit start=$SECONDS timings=()
    [[ $out == /* ]] || out=$caller/$out
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "Uncommitted changes: a release is made from a commit alone" >&2
        exit 1
    fi
    stage=$(prepare_out "$out")
    clone=$(mktemp -d /tmp/dicemere-release.XXXXXX)
    trap 'rm -rf "${stage:-}" "${clone:-}"' EXIT
    commit=$(git rev-parse HEAD)
    git clone -q --no-checkout "$PWD" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "== Release of $commit, dated $(date -d "@$(git log -1 --format=%ct)" -R)"

    local release
    release=$(. /etc/os-release && echo "$VERSION_ID")
    echo "== Debian $release: the Debian package"
    (cd "$clone" && scripts/release.sh --part --deb "$clone/out")
    timings+=("Debian $release: $((SECONDS - start)) s")
    if [ "$release" = 12 ]; then
        start=$SECONDS
        echo "== Debian 13: the Debian package"
        (cd "$clone" && scripts/debian13.sh scripts/release.sh --part --deb /src/out)
        timings+=("Debian 13: $((SECONDS - start)) s")
    fi

    start=$SECONDS
    if [ "$linux_only" = 1 ]; then
        timings+=("Windows: left out (--linux)")
    elif ! (cd "$clone" && scripts/debian13.sh bash -c 'source scripts/lib.sh && qt_mingw_ready'); then
        echo "== Windows: LEFT OUT, no cross-built Qt (scripts/windows.sh builds it)"
        timings+=("Windows: left out, no cross-built Qt")
    else
        echo "== Windows: the portable dicemere.exe and the installer"
        (cd "$clone" && scripts/debian13.sh scripts/release.sh --part --windows /src/out)
        timings+=("Windows: $((SECONDS - start)) s")
    fi

    (cd "$clone/out" && find . -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort \
        | xargs -d '\n' sha256sum -- >"$stage/SHA256SUMS")
    mv "$clone"/out/* "$stage"/
    if [ -d "$out" ]; then
        # The sums last: a folder with them holds the whole release.
        find "$stage" -mindepth 1 ! -name SHA256SUMS -exec mv -t "$out" {} +
        mv "$stage/SHA256SUMS" "$out"/
    else
        mv "$stage" "$out"
    fi
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
    if grep -rlF -e "$work" -e "$DICEMERE_QT_MINGW" "$a" "$work"/unpacked-* 2>/dev/null; then
        echo "BUILD FOLDER NAMED: in the files above"
        status=1
    fi
    return $status
}

verify() {
    local linux_only=$1 commit work locale
    commit=$(git rev-parse HEAD)
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
    # Nothing but the commit may get in: the first clone has an untracked header that would shadow
    # a generated one, and an edit git was told to ignore; either would make its release differ.
    local template
    template=$(git -C "$first" ls-files '*version.h.in')
    echo '#error "an untracked file got into the release"' >"$first/${template%.in}"
    git -C "$first" update-index --skip-worktree CMakeLists.txt
    echo 'message(FATAL_ERROR "an ignored edit got into the release")' >>"$first/CMakeLists.txt"
    # An OUTDIR that cannot take a release is refused before anything is built.
    touch "$work/file" && mkdir "$work/full" && touch "$work/full/file"
    for out in "$work/file" "$work/full"; do
        if "$first/scripts/release.sh" "$out" 2>/dev/null; then
            echo "== A release went into $out, which cannot take one" >&2
            exit 1
        fi
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
--part)
    [ $# -eq 3 ] || usage
    build_part "$2" "$3"
    ;;
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
