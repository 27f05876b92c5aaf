# `cpack` in the build folder makes the Debian package of what `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramex)
set(CPACK_PACKAGE_VENDOR "Tramex")
set(CPACK_PACKAGE_CONTACT "Tramex <assistenza@tramex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tramex workstation suite for garment pattern-making offices")
set(CPACK_PACKAGE_DESCRIPTION "Schedex (card archive explorer), Salvix (backup), Permix (user\n\
administration), GridDemo (the grid editing host), the Utilex4, Utilex, Grivola and SalvixZip\n\
components, and tramex-workstation, which sets up a user's workstation.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
# The Debian packages of the libraries the suite links, and Qt's window-system plugins and Italian
# texts that the windowed programs load at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, \
qt6-translations-l10n, libqt6dbus6 (>= 6.4), libqt6printsupport6 (>= 6.4), libsqlite3-0, libxcb1, libxcb-xkb1, \
libcanberra0, libzip4")
include(CPack)
