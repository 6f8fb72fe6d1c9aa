#!/usr/bin/env bash
# Installs what building, running and testing the tool needs on Debian 12,
# from Debian's own packages only.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libftdi1-dev
    # translations: lupdate and lrelease, their CMake functions, Qt's own
    # translations of its standard buttons
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # run: the Qt platform plugins, a sans font, and Qt SQL's SQLite driver
    # that the register of operations is kept through
    libqt6serialport6 qt6-qpa-plugins fonts-dejavu-core libqt6sql6-sqlite
    # a shop's register on its server: Qt SQL's PostgreSQL driver, and the
    # server itself, which the tests start in a temporary folder
    libqt6sql6-psql postgresql
    # tests and screenshots; stress-ng keeps the CPUs busy for
    # tools/test-under-load.sh
    xvfb xauth imagemagick stress-ng
    # the window's accessibility tree as screen readers read it: the AT-SPI
    # bus and registry, its Python binding, a session bus of the test's own
    at-spi2-core python3-pyatspi dbus
    # the virtual-machine test of the cable path (tests/vm): QEMU with its
    # emulated FTDI cable, a static busybox for the guest, cpio for its initramfs
    qemu-system-x86 busybox-static cpio
    # packaging: desktop file checks, PDF checks, the .deb
    desktop-file-utils appstream shared-mime-info poppler-utils dpkg-dev
    # file association checks: the desktop's MIME query and the type lookup it uses
    xdg-utils libfile-mimeinfo-perl
    # robustness: Clang with libFuzzer and the sanitizer runtimes, and
    # llvm-symbolizer for readable sanitizer reports
    clang libclang-rt-14-dev llvm
    # Windows: the MinGW-w64 cross compiler (POSIX threads, as the prebuilt Qt
    # for Windows was made with), Wine to run the tests, NSIS for the setup
    # program, and what its checks use: xwininfo, unzip (tools/windows/), and
    # tesseract's text recognition with its English data, which reads the
    # window's texts back from its pictures (tests/windows)
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 nsis
    x11-utils unzip tesseract-ocr tesseract-ocr-eng
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
