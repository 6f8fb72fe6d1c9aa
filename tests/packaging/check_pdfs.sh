#!/usr/bin/env bash
# Checks the PDFs built beside the executables: the flash-protection notice
# sends readers to page 7 of the programming guide, and the user guide covers
# the messages a rider meets, with pictures of the window, and explains every
# setting.
#   check_pdfs.sh BIN_DIR
# Exits 77 (skipped) without poppler's pdftotext.
set -euo pipefail

bin_dir=$1
if ! command -v pdftotext >/dev/null; then
    echo "SKIP: pdftotext (poppler-utils) not found"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Text of pages FIRST to LAST, white space folded so phrases survive line breaks.
text() { pdftotext -q -f "$2" -l "$3" "$1" - | tr -s '[:space:]' ' '; }

guide=$bin_dir/ST-LINK_Installation_EN.pdf
heading="Flash write protection and the option bytes"
page7=$(text "$guide" 7 7)
[[ $page7 == " $heading "* || $page7 == "$heading "* ]] || fail "page 7 of $(basename "$guide") does not start with '$heading'"
grep -qF "flash protect 0 0 last off" <<<"$page7" || fail "page 7 lacks the unprotect command"

help=$bin_dir/help.pdf
help_text=$(text "$help" 1 999)
for phrase in \
    "Device Lost" \
    "Communication with controller failed!" \
    "Communication with controller interrupted!" \
    "This error may be caused by controller MCU flash write protection." \
    "70-vexlor-cable.rules" \
    "VEXLOR_PORT=" \
    "vexlor-controller-sim" \
    "vexlor-cli" \
    "14. Every setting" \
    "MaxBatteryCurrent" \
    "The largest current the controller draws from the battery." \
    "Unit: A. Allowed: at most 30.0 A. Initial value: 14.0 A."; do
    grep -qF -- "$phrase" <<<"$help_text" || fail "help.pdf lacks '$phrase'"
done

# The German guide: built, German, and naming the files and commands as they are.
help_de=$bin_dir/help.de.pdf
help_de_text=$(text "$help_de" 1 999)
for phrase in "Benutzerhandbuch" "Seite 1 von" "70-vexlor-cable.rules" "VEXLOR_PORT=" "vexlor-cli" \
    "14. Alle Einstellungen erklärt" "MaxBatteryCurrent" \
    "Der größte Strom, den der Controller dem Akku entnimmt." \
    "Einheit: A. Zulässig: höchstens 30.0 A. Anfangswert: 14.0 A."; do
    grep -qF -- "$phrase" <<<"$help_de_text" || fail "help.de.pdf lacks '$phrase'"
done

# Both guides show the window: its tabs, menus, status strip, the compare and
# restore dialogs and an error box, nine pictures made while they were built.
for pdf in "$help" "$help_de"; do
    pictures=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
    [ "$pictures" -ge 9 ] || fail "$(basename "$pdf") holds $pictures pictures of the window, not 9"
done

[ "$failures" -eq 0 ] || exit 1
echo "OK"
