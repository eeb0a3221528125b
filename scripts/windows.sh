#!/usr/bin/env bash
# Builds, tests and packages Dicemere for 64-bit Windows, from nothing, in the Debian 13 root of
# scripts/debian13.sh (on Debian 13 itself, here): installs the mingw-w64 cross compiler, Wine,
# NSIS and Xvfb, cross-builds a static Qt with scripts/qt-mingw.sh when there is none yet (about
# 45 minutes on two cores; kept in $DICEMERE_QT_MINGW, see scripts/lib.sh), configures with the
# preset windows, builds dicemere.exe and the tests, lays out the portable dicemere.exe, builds the
# installer, and runs the Windows tests under Wine, inside Xvfb when there is no display: once
# with Wine reporting Windows 10 and once Windows 11, whose style Qt draws with there. Non-zero
# on any failure.
#
#   scripts/windows.sh                 all of it
#   scripts/windows.sh --if-qt-cached  all but building Qt: without the cross-built Qt it says so
#                                      and succeeds (what CI runs, within its time)
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(. /etc/os-release && echo "$VERSION_ID")" = 13 ] || exec scripts/debian13.sh "$0" "$@"
source scripts/lib.sh
build=build/windows

timings=()
stage() {
    echo "== $1"
    stage_name=$1
    stage_start=$SECONDS
}
stage_done() {
    timings+=("$(printf '%-40s %5d s' "$stage_name" $((SECONDS - stage_start)))")
}

case "${1:-}" in
--if-qt-cached)
    if ! qt_mingw_ready; then
        echo "Windows build skipped: no cross-built Qt in $DICEMERE_QT_MINGW (scripts/windows.sh builds it)"
        exit 0
    fi
    ;;
"") ;;
*)
    echo "usage: $0 [--if-qt-cached]" >&2
    exit 2
    ;;
esac

stage "Debian packages"
need g++-mingw-w64-x86-64-posix wine64 nsis xvfb xauth x11-utils locales \
    cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools fonts-liberation2
# Wine takes code page 932 from the locale's name, but file names in it need the locale itself.
locale -a | grep -qx 'ja_JP.utf8' || as_root localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
stage_done

if ! qt_mingw_ready; then
    stage "Qt $qt_mingw_version for Windows, static"
    scripts/qt-mingw.sh
    qt_mingw_ready || { echo "Qt was built without its Windows platform plugin" >&2; exit 1; }
    stage_done
fi

stage "Dicemere and its tests"
cmake --preset windows
cmake --build --preset windows --parallel "$(nproc)"
stage_done

stage "Portable dicemere.exe and the installer"
cmake --install "$build" --prefix "$build/portable" --strip >/dev/null
(cd "$build" && cpack >/dev/null)
stage_done

tests=(ctest --preset windows)
[ -n "${DISPLAY:-}" ] || tests=(tests/xvfb.sh "${tests[@]}")
for version in win10 win11; do
    stage "Windows tests under Wine, as $version"
    DICEMERE_WINDOWS_VERSION=$version "${tests[@]}"
    stage_done
done

echo "== Done"
printf '%s\n' "${timings[@]}"
ls -l "$build/portable/bin/dicemere.exe" "$build"/dicemere-*-setup.exe | awk '{print $5, $9}'
