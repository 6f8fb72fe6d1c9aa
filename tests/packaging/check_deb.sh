#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it without installing it
# (dpkg-deb -x into a scratch folder) and checks the files it holds and the
# packages it depends on.
#   check_deb.sh BUILD_DIR VERSION [CPACK]
# Exits 77 (skipped) while the programs are not built yet.
set -euo pipefail

build_dir=$1
version=$2
cpack=${3:-cpack}

for program in vexlor-adjustor vexlor-cli; do
    if [ ! -x "$build_dir/bin/$program" ]; then
        echo "SKIP: $build_dir/bin/$program is not built yet"
        exit 77
    fi
done
if ! command -v dpkg-deb >/dev/null; then
    echo "SKIP: dpkg-deb not found"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$scratch"/out/*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
    echo "FAIL: expected one .deb, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Files
data=usr/share/vexlor-adjustor
expected=(
    usr/bin/vexlor-adjustor
    usr/bin/vexlor-cli
    "$data/default.vxc"
    "$data/help.pdf"
    "$data/help.de.pdf"
    "$data/ST-LINK_Installation_EN.pdf"
    usr/share/doc/vexlor-adjustor/help.pdf
    usr/share/applications/vexlor-adjustor.desktop
    usr/share/metainfo/io.github.vexlor.adjustor.metainfo.xml
    usr/share/mime/packages/vexlor-vxc.xml
    usr/share/icons/hicolor/scalable/apps/vexlor-adjustor.svg
    usr/lib/udev/rules.d/70-vexlor-cable.rules
)
if [ -x "$build_dir/bin/vexlor-controller-sim" ]; then
    expected+=(usr/bin/vexlor-controller-sim)
fi
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "missing /$file"
done
for program in "$root"/usr/bin/*; do
    case $(basename "$program") in
        vexlor-adjustor | vexlor-cli | vexlor-controller-sim)
            [ -x "$program" ] || fail "/usr/bin/$(basename "$program") is not executable" ;;
        *) fail "unexpected program /usr/bin/$(basename "$program")" ;;
    esac
done
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
cmp -s "$root/$data/help.pdf" "$build_dir/bin/help.pdf" || fail "help.pdf differs from the build's"

# The menu entry starts the tool where Help Topics finds help.pdf.
desktop=$root/usr/share/applications/vexlor-adjustor.desktop
if [ -f "$desktop" ]; then
    grep -qx "Path=/$data" "$desktop" || fail "desktop entry does not start in /$data"
    grep -qx "Exec=vexlor-adjustor %f" "$desktop" || fail "desktop entry Exec line"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "installed desktop entry is not valid"
    fi
fi

# Control fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vexlor-adjustor ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version-1" ] || fail "Version is '$(field Version)', expected $version-1"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libftdi1-2 qt6-qpa-plugins \
    libqt6sql6-sqlite; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done
# The shop server's driver is offered, not forced on a bench without one.
grep -Eq "(^|, )libqt6sql6-psql( |,|$)" <<<"$(field Suggests)" || fail "Suggests lacks libqt6sql6-psql"

# No maintainer scripts: the menu, MIME and icon caches are refreshed by the
# triggers of the packages that own them.
dpkg-deb -e "$deb" "$scratch/control"
for script in preinst postinst prerm postrm; do
    [ ! -e "$scratch/control/$script" ] || fail "unexpected maintainer script $script"
done

if [ "$failures" -ne 0 ]; then
    echo "--- package contents"
    dpkg-deb -c "$deb"
    exit 1
fi
echo "OK: $(dpkg-deb -c "$deb" | wc -l) entries checked"
