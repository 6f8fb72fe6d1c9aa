#!/usr/bin/env bash
# Builds a scratch MIME database from the package's type definition and checks
# that *.vxc files get the type the desktop entry claims, described as "vxc file".
#   check_mime.sh MIME_XML
# Exits 77 (skipped) without shared-mime-info.
set -euo pipefail

xml=$1
if ! command -v update-mime-database >/dev/null; then
    echo "SKIP: update-mime-database (shared-mime-info) not found"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/mime/packages"
cp "$xml" "$scratch/mime/packages/"
messages=$(XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime" 2>&1)
if [ -n "$messages" ]; then
    echo "$messages"
    exit 1
fi

grep -qx "50:application/x-vexlor-vxc:\*.vxc" "$scratch/mime/globs2" || { cat "$scratch/mime/globs2"; exit 1; }
grep -q "<comment>vxc file</comment>" "$scratch/mime/application/x-vexlor-vxc.xml" || exit 1
echo "OK"
