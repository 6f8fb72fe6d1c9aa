#!/usr/bin/env bash
# Tries the Windows packages under Wine, in a fresh prefix of their own, on
# the display the caller gives (xvfb-run): the setup program run silently
# installs for the user, the installed programs run, the .vxc association is
# in the user's registry, and the uninstaller removes every file, entry and
# key it added; an association of another program survives both. The
# portable zip holds what the programs need and nothing of the tests.
#   tools/windows/check-setup.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
export WINEPREFIX=$build_dir/wineprefix-setup WINEDEBUG=-all
classes='HKCU\Software\Classes'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VexlorAdjustor'

fail() { echo "check-setup: $*" >&2; exit 1; }
has_key() { wine reg query "$1" >/dev/null 2>&1; }
value_of() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
folder_of() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')" 2>/dev/null; } # a folder variable's

setup=$(ls "$build_dir"/packages/*-setup.exe)
zip=$(ls "$build_dir"/packages/*.zip)
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineserver -p 60
wineboot -i >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT

# The zip: the programs, Qt and MinGW beside them, no test or stand-in.
listing=$(unzip -Z1 "$zip")
for file in vexlor-adjustor.exe vexlor-cli.exe Qt6Core.dll Qt6Widgets.dll Qt6SerialPort.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll libstdc++-6.dll libwinpthread-1.dll \
    default.vxc help.pdf ST-LINK_Installation_EN.pdf; do
    grep -q "/$file\$" <<<"$listing" || fail "the zip lacks $file"
done
! grep -q -i -E 'test|ftd2xx|qoffscreen' <<<"$listing" || fail "the zip holds a test file"

install_round() { # $1: what .vxc opens with before (empty: nothing)
    local before=$1
    if [ -n "$before" ]; then
        wine reg add "$classes\\.vxc" /ve /d "$before" /f >/dev/null 2>&1
    fi
    wine "$setup" /S
    local folder programs
    folder="$(folder_of LOCALAPPDATA)/Programs/Vexlor Adjustor"
    programs="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs"
    for file in vexlor-adjustor.exe vexlor-cli.exe uninstall.exe platforms/qwindows.dll help.pdf; do
        [ -f "$folder/$file" ] || fail "not installed: $file"
    done
    [ -f "$programs/Vexlor Adjustor.lnk" ] || fail "no Start-menu entry"
    wine "$folder/vexlor-cli.exe" --version | grep -q "vexlor-cli $VERSION" || fail "the installed CLI does not run"
    value_of "$classes\\vxc file\\shell\\open\\command" | grep -q -F 'Vexlor Adjustor\vexlor-adjustor.exe" "%1"' \
        || fail "no open command for .vxc"
    [ "$(value_of "$classes\\.vxc")" = "${before:-vxc file}" ] || fail ".vxc opens with $(value_of "$classes\\.vxc")"
    has_key "$uninstall_key" || fail "no entry in the installed programs"

    # _?= takes the rest of the command line unquoted: the short form has no blank
    wine "$folder/uninstall.exe" /S "_?=$(winepath -s "$(winepath -w "$folder")" | tr -d '\r')"
    # Run in place (_?=), the uninstaller cannot remove itself and its folder.
    rm -f "$folder/uninstall.exe"
    rmdir "$folder" 2>/dev/null || fail "left behind: $(cd "$folder" && find . -mindepth 1)"
    [ ! -e "$programs/Vexlor Adjustor.lnk" ] || fail "the Start-menu entry stays"
    ! has_key "$classes\\vxc file" || fail "the type key stays"
    ! has_key "$uninstall_key" || fail "the installed-programs entry stays"
    if [ -n "$before" ]; then
        [ "$(value_of "$classes\\.vxc")" = "$before" ] || fail "the other program's association is gone"
        wine reg delete "$classes\\.vxc" /f >/dev/null 2>&1
    else
        ! has_key "$classes\\.vxc" || fail "the .vxc key stays"
    fi
}

VERSION=$(basename "$setup" | sed -E 's/^vexlor-adjustor-([0-9.]+)-.*/\1/')
install_round ""
install_round "OtherTool.vxc"
echo "check-setup: installed, ran and removed cleanly, twice"
