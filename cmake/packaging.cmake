# The Debian package of both programs: `cpack -G DEB` in the build folder makes
# orva-configurator_<version>_<arch>.deb from the install rules, under /usr.
set(CPACK_PACKAGE_NAME orva-configurator)
set(CPACK_PACKAGE_VENDOR Norvek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Norvek <support@norvek.ru>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator of the Zentrix Orva GSM security and fire alarm panel")
# The package's long description (its first line is the summary above).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "An installer prepares the whole configuration of the panel (loops, relays,
keys, SMS and dial-up phones, GPRS access and servers, keys and passwords),
validates it, saves it, writes it onto the panel's removable disk, lists many
panels' files and prints a record of it. orva-config does the same from the
command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the binaries link come from dpkg-shlibdeps. What they load at run time without
# linking it is named here: the platform plugins (xcb, offscreen) and the JPEG image format plugin of
# the mode pictures (both in libqt6gui6 on Debian), the fonts the editor and the printed record ask for
# (Arial and Courier New, matched by Liberation), and Qt's own Russian texts of its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4), fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
include(CPack)
