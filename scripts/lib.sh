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
            [ -f "$list" ] && awk -v suite="$suite" '$1 == "deb" {
                for (i = 2; i < NF; i++) if ($i !~ /^\[/ && $(i + 1) == suite) print $i }' "$list"
        done
        for list in /etc/apt/sources.list.d/*.sources; do
            [ -f "$list" ] && awk -v want="$suite" '
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
    } | head -n 1
}
