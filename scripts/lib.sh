# What the scripts share; each sources it after changing into the checkout:
#   source scripts/lib.sh
# Not a command of its own.

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

as_root() {
    "${sudo[@]}" "$@"
}

# Installs those of the named Debian packages that are not installed yet.
need() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# The first mirror this machine's apt sources name for a suite, from the one-line lists and the
# deb822 .sources files alike: every archive this project reaches, it reaches through them.
apt_mirror() {
    local suite=$1 list
    {
        for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$list" ] || continue
            awk -v suite="$suite" '$1 == "deb" {
                for (i = 2; i < NF; i++) if ($i !~ /^\[/ && $(i + 1) == suite) print $i }' "$list"
        done
        for list in /etc/apt/sources.list.d/*.sources; do
            [ -f "$list" ] || continue
            awk -v want="$suite" '
                function flush(   i, j, s, u) {
                    if (types ~ /(^| )deb( |$)/ && enabled != "no")
                        for (i = split(suites, s, " "); i > 0; i--)
                            for (j = split(uris, u, " "); j > 0 && s[i] == want; j--) print u[j]
                    types = uris = suites = enabled = ""
                }
                /^[[:space:]]*$/ { flush(); next }
                /^#/ { next }
                { key = tolower($1); $1 = ""; sub(/^ +/, "") }
                key == "types:" { types = $0 } key == "uris:" { uris = $0 }
                key == "suites:" { suites = $0 } key == "enabled:" { enabled = tolower($0) }
                END { flush() }' "$list"
        done
    } | awk "NR == 1"
}

# The static Qt for Windows that scripts/qt-mingw.sh cross-builds in the Debian 13 root from that
# release's own source, matching the Qt tools installed there. It counts only with its Windows
# platform plugin, which every window needs, and the stamp of the script's current recipe.
qt_mingw_version=6.8.2
export DICEMERE_QT_MINGW=${DICEMERE_QT_MINGW:-$HOME/.cache/dicemere/qt-$qt_mingw_version-mingw}
qt_mingw_stamp=dicemere-qt-recipe-3
qt_mingw_ready() {
    [ -f "$DICEMERE_QT_MINGW/lib/cmake/Qt6/Qt6Config.cmake" ] \
        && [ -f "$DICEMERE_QT_MINGW/plugins/platforms/libqwindows.a" ] \
        && [ -f "$DICEMERE_QT_MINGW/$qt_mingw_stamp" ]
}
