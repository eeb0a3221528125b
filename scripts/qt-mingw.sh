#!/usr/bin/env bash
# Cross-builds Qt 6.4.2 base for 64-bit Windows as static libraries, from Debian's own source
# package, into the folder given as $1. Debian's Qt tools (moc, rcc, uic) serve as host tools,
# so only the target libraries and plugins are built: Core, Gui, Widgets, Test and the windows
# and offscreen platform plugins. About 40 minutes on two cores.
#
# OpenGL stays on, as dynamic OpenGL chosen at run time: Qt 6.4.2's Windows platform plugin does
# not compile without it. Tablet input is off: Debian's source leaves out the Wintab headers it
# needs, and Dicemere takes none. Direct2D is off, and with it the DirectWrite 3 font database,
# which Qt 6.4.2 builds only alongside Direct2D; fonts come through GDI, Qt's default. The build
# folder is kept beside the prefix until the install is done, so a run that was cut short goes on
# where it stopped.
#
# What Qt embeds names no folder of this machine, so anyone gets the same bytes: the compilers map
# the source and build folders to fixed names, and Qt is configured for a fixed prefix, installed
# into a staging folder and moved to $1 (Qt's CMake packages find themselves wherever they are).
# The stamp written last marks a Qt built this way; scripts/windows.sh and scripts/release.sh
# take no Qt without it.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$1
toolchain=$PWD/cmake/mingw-w64.cmake

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

work=$prefix.work
neutral=/opt/qt-6.4.2-mingw
stamp=dicemere-qt-recipe-2
prefix_map="-ffile-prefix-map=$work/src=/qt-6.4.2/src -ffile-prefix-map=$work/build=/qt-6.4.2/build"

# The machine's own bookworm entries, as deb-src lines: the mirror apt is set up with serves the
# source too. Both the one-line lists and the deb822 .sources files count.
source_entries() {
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && awk '$1 == "deb" && $0 ~ /[[:space:]]bookworm[[:space:]]/ {
            $1 = "deb-src"; print }' "$list"
    done
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] && awk '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "")
                    for (i = split(suites, s, " "); i > 0; i--)
                        for (j = split(uris, u, " "); j > 0 && s[i] == "bookworm"; j--)
                            print "deb-src " u[j] " bookworm " components
                types = uris = suites = components = enabled = ""
            }
            /^[[:space:]]*$/ { flush(); next }
            /^#/ { next }
            { key = tolower($1); $1 = "" ; sub(/^ +/, "") }
            key == "types:" { types = $0 } key == "uris:" { uris = $0 }
            key == "suites:" { suites = $0 } key == "components:" { components = $0 }
            key == "enabled:" { enabled = tolower($0) }
            END { flush() }' "$list"
    done
}

# Debian's source package, asked through a list of its own so the system's lists stay as they are.
fetch_source() {
    mkdir -p "$work/lists/partial"
    source_entries | sort -u >"$work/sources.list"
    [ -s "$work/sources.list" ] || { echo "no bookworm entry in the apt sources" >&2; exit 1; }
    local apt_src=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/nonexistent
                   -o Dir::State::Lists="$work/lists")
    "${sudo[@]}" apt-get "${apt_src[@]}" update -q
    (cd "$work" && "${sudo[@]}" apt-get "${apt_src[@]}" source --download-only qt6-base=6.4.2+dfsg-10)
    "${sudo[@]}" chown -R "$(id -u):$(id -g)" "$work"
    dpkg-source -x "$work"/qt6-base_6.4.2+dfsg-10.dsc "$work/src.partial" >/dev/null
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
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
cmake --build "$work/build"
rm -rf "$work/stage"
DESTDIR="$work/stage" cmake --install "$work/build"
touch "$work/stage$neutral/$stamp"
rm -rf "$prefix"
mv "$work/stage$neutral" "$prefix"
rm -rf "$work"
