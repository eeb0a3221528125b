#!/usr/bin/env bash
# Cross-builds Qt base for 64-bit Windows as static libraries into $DICEMERE_QT_MINGW (see
# scripts/lib.sh), from the Debian source package of the very Qt installed here. It runs in the
# Debian 13 root (scripts/windows.sh calls it there): a cross build of Qt needs host tools of its
# own version, and Debian 13's Qt 6.8 is the one that still gets fixes. Debian's moc, rcc and uic
# serve as host tools, so only the target libraries and plugins are built: Core, Gui, Widgets,
# Test, the windows and offscreen platform plugins and the Windows styles. About 45 minutes on
# two cores.
#
# OpenGL stays on, as dynamic OpenGL chosen at run time, which the Windows platform plugin has
# always been built with. Tablet input is off: Debian's source leaves out the Wintab headers it
# needs, and Dicemere takes none. Direct2D stays on: Qt 6.8.2's DirectWrite font database does not
# compile without it. The build folder is kept beside the prefix until the install is done, so a
# run that was cut short goes on where it stopped.
#
# What Qt embeds names no folder of this machine, so anyone gets the same bytes: the compilers map
# the source and build folders to fixed names, and Qt is configured for a fixed prefix, installed
# into a staging folder and moved into place (Qt's CMake packages find themselves wherever they
# are). The stamp written last marks a Qt built this way.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

prefix=$DICEMERE_QT_MINGW
toolchain=$PWD/cmake/mingw-w64.cmake
work=$prefix.work
neutral=/opt/qt-$qt_mingw_version-mingw
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
[[ $version == "$qt_mingw_version"+* ]] \
    || { echo "the Qt tools here are $version, not $qt_mingw_version: run in the Debian 13 root" >&2; exit 1; }
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
prefix_map="-ffile-prefix-map=$work/src=/qt-$qt_mingw_version/src"
prefix_map+=" -ffile-prefix-map=$work/build=/qt-$qt_mingw_version/build"

# Debian's source package, asked through a list of its own (deb-src lines for the mirrors this
# machine's apt sources name), so the system's lists stay as they are.
fetch_source() {
    local suite mirror
    mkdir -p "$work/lists/partial"
    for suite in "$codename" "$codename-updates" "$codename-security"; do
        mirror=$(apt_mirror "$suite")
        [ -z "$mirror" ] || echo "deb-src $mirror $suite main"
    done >"$work/sources.list"
    [ -s "$work/sources.list" ] || { echo "no $codename entry in the apt sources" >&2; exit 1; }
    local apt_src=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                   -o Dir::State::Lists="$work/lists")
    need dpkg-dev
    as_root apt-get "${apt_src[@]}" update -q
    (cd "$work" && as_root apt-get "${apt_src[@]}" source --download-only "qt6-base=$version")
    as_root chown -R "$(id -u):$(id -g)" "$work"
    rm -rf "$work/src.partial"
    dpkg-source -x "$work"/qt6-base_"${version#*:}".dsc "$work/src.partial" >/dev/null
    mv "$work/src.partial" "$work/src"
}
[ -d "$work/src" ] || fetch_source

cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$neutral" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_fontconfig=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_androiddeployqt=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON
cmake --build "$work/build"
rm -rf "$work/stage"
DESTDIR="$work/stage" cmake --install "$work/build"
echo "$version" >"$work/stage$neutral/$qt_mingw_stamp"
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
mv "$work/stage$neutral" "$prefix"
rm -rf "$work"
