# The Debian package: `cmake --build <dir> --target package`, or `cpack` in the
# build folder. The package's shared-library dependencies come from
# dpkg-shlibdeps when it is there (dpkg-dev), else from a fixed list.

set(VEXLOR_PACKAGE_MAINTAINER "Vexlor Adjustor maintainers <maintainers@vexlor.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexlor-adjustor)
set(CPACK_PACKAGE_VENDOR "Vexlor Adjustor project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VEXLOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure the motor controller of a Vexlor e-bike")
set(CPACK_PACKAGE_DESCRIPTION
"Vexlor Adjustor reads the settings of the FOC motor controller of a Vexlor
pedal-assist e-bike through its USB programming cable, lets riders and bike
shops edit them in a window, and writes them back: battery and speed limits,
pedal-assist sensor and levels, throttle and motor data. Configurations are
kept as .vxc files.
.
The package also holds vexlor-cli, for the same work from a terminal or a
script, and vexlor-controller-sim, a controller emulator to try the tool
without a bike. A udev rule gives the logged-in user access to the cable.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXLOR_PACKAGE_MAINTAINER})

# Qt's libraries do not pull in the platform plugins that open a window, nor
# the SQLite driver the register is kept through.
set(vexlor_runtime_depends "qt6-qpa-plugins, libqt6sql6-sqlite")
find_program(VEXLOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VEXLOR_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${vexlor_runtime_depends}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6, libqt6gui6, libqt6core6, libqt6serialport6, libftdi1-2, ${vexlor_runtime_depends}")
endif()
# A PDF viewer and mail program are reached through xdg-open; Qt's own
# translations give its standard buttons and dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, qt6-translations-l10n")
# Qt's PostgreSQL driver only where a shop keeps one register on its server.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql")

set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

include(CPack)
