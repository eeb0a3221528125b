#!/usr/bin/env bash
# Builds, tests and packages Dicemere for 64-bit Windows on Debian 12, from nothing: installs the
# mingw-w64 cross compiler, Wine, NSIS and Xvfb, cross-builds a static Qt with scripts/qt-mingw.sh
# when there is none yet (about 35 minutes on two cores; kept in $DICEMERE_QT_MINGW, by default
# ~/.cache/dicemere/qt-6.4.2-mingw-r2), configures with the preset windows, builds dicemere.exe and
# the tests, lays out the portable dicemere.exe, builds the installer, and runs the Windows tests
# under Wine, inside Xvfb when there is no display. Non-zero on any failure.
#
#   scripts/windows.sh                 all of it
#   scripts/windows.sh --if-qt-cached  all but building Qt: without the cross-built Qt it says so
#                                      and succeeds (what CI runs, within its time)
#
# Qt keeps OpenGL on, as dynamic OpenGL chosen at run time; its Windows platform plugin does not
# compile with OpenGL off, so no patch to Qt is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

export DICEMERE_QT_MINGW=${DICEMERE_QT_MINGW:-$HOME/.cache/dicemere/qt-6.4.2-mingw-r2}
qt=$DICEMERE_QT_MINGW
build=build/windows
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Qt counts only when its Windows platform plugin, which every window needs, was built too, and
# when it bears the stamp of scripts/qt-mingw.sh's current way (an older Qt names this machine's
# folders in what it embeds).
qt_ready() {
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$qt/plugins/platforms/libqwindows.a" ] \
        && [ -f "$qt/dicemere-qt-recipe-2" ]
}

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
    if ! qt_ready; then
        echo "Windows build skipped: no cross-built Qt in $qt (scripts/windows.sh builds it)"
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
packages=(
    g++-mingw-w64-x86-64-posix wine64 nsis xvfb xauth x11-utils locales
    cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools fonts-liberation2
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi
# Wine takes code page 932 from the locale's name, but file names in it need the locale itself.
locale -a | grep -qx 'ja_JP.utf8' || "${sudo[@]}" localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
stage_done

if ! qt_ready; then
    stage "Qt 6.4.2 for Windows, static"
    nice scripts/qt-mingw.sh "$qt"
    qt_ready || { echo "Qt was built without its Windows platform plugin" >&2; exit 1; }
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

stage "Windows tests under Wine"
tests=(ctest --preset windows)
[ -n "${DISPLAY:-}" ] || tests=(tests/xvfb.sh "${tests[@]}")
"${tests[@]}"
stage_done

echo "== Done"
printf '%s\n' "${timings[@]}"
ls -l "$build/portable/bin/dicemere.exe" "$build"/dicemere-*-setup.exe | awk '{print $5, $9}'
