#!/usr/bin/env bash
# Builds the installer with CPack and tries it under Wine, in a Wine prefix of its own: a silent
# install into a folder with blanks and letters beyond ASCII, the files, shortcut and Add/Remove
# Programs entry it adds, the program started from its shortcut showing its main window, a second
# install over the first, and an uninstall that takes away everything the installs added. The
# prefix is made anew for each run, so nothing of an earlier run counts.
# Arguments: cpack, the build folder, wine64, a work folder, the project's version. Skipped (77)
# without a display.
set -euo pipefail
cpack=$1 build=$2 wine=$3 work=$4 version=$5

if [ -z "${DISPLAY:-}" ] || ! command -v xwininfo >/dev/null; then
    echo "skipped: the program's window needs an X display and xwininfo (Xvfb, x11-utils)"
    exit 77
fi
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No .NET or browser engine offers, and no menu entries on the build machine for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
wineserver=$(dirname "$wine")/wineserver
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$work/package" "$WINEPREFIX"
"$cpack" -G NSIS --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
setup=$(echo "$work"/package/dicemere-*-setup.exe)
echo "installer: $(basename "$setup"), $(stat -c %s "$setup") bytes"
"$wine" wineboot --init
"$wine" winecfg -v "${DICEMERE_WINDOWS_VERSION:-win10}"
"$wineserver" -w

drive=$WINEPREFIX/drive_c
folder='Program Files\Dicemère à dés'
installed="$drive/Program Files/Dicemère à dés"
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dicemere'
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Dicemere"

# Every file outside the system's own folders and temporary files, and the machine-wide software
# keys, as text to compare.
snapshot() {
    (cd "$drive" && find . -path ./windows -prune -o -ipath '*/temp' -prune -o -print | sort)
    "$wine" reg export 'HKLM\Software' "$work/software.reg" /y >/dev/null
    iconv -f UTF-16LE -t UTF-8 "$work/software.reg" | tr -d '\r'
}

# reg writes in the console's code page, 437 here.
registryValue() {
    "$wine" reg query "$uninstallKey" /v "$1" | iconv -f CP437 -t UTF-8 | tr -d '\r' \
        | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# NSIS reads the folder only unquoted and last, so the command line goes through cmd as it is.
install() {
    "$wine" cmd /c "$(winepath_of "$setup") /S /D=C:\\$folder"
    "$wineserver" -w
    [ -f "$installed/bin/dicemere.exe" ] || fail "no bin\\dicemere.exe in $installed"
    [ -f "$installed/Uninstall.exe" ] || fail "no uninstaller in $installed"
    [ -f "$menu/Dicemere.lnk" ] || fail "no Start-menu shortcut"
    [ "$(registryValue DisplayName)" = Dicemere ] || fail "Add/Remove Programs: no name"
    [ "$(registryValue DisplayVersion)" = "$version" ] || fail "Add/Remove Programs: no version"
    [ "$(registryValue DisplayIcon)" = "C:\\$folder\\bin\\dicemere.exe" ] \
        || fail "Add/Remove Programs: no icon"
}
winepath_of() { echo "Z:${1//\//\\}"; }

before=$(snapshot)
install
echo "installed: $(cd "$installed" && find . -type f | sort | tr '\n' ' ')"

# Started through its shortcut, the program shows its main window; asked to close, it ends.
"$wine" start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Dicemere\\Dicemere.lnk"
for _ in $(seq 600); do
    xwininfo -name Dicemere 2>/dev/null | grep -q 'Map State: IsViewable' && break
    sleep 0.1
done
xwininfo -name Dicemere | grep -q 'Map State: IsViewable' || fail "no main window"
echo "main window: $(xwininfo -name Dicemere | grep -E 'Width|Height' | tr -s ' \n' ' ')"
"$wine" taskkill /im dicemere.exe >/dev/null
"$wineserver" -w

install
echo "installed again over the first"

"$wine" "C:\\$folder\\Uninstall.exe" /S
"$wineserver" -w
after=$(snapshot)
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") || true
    fail "the uninstall left the above behind"
fi
echo "uninstalled: nothing left behind"
