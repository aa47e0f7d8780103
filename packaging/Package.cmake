# The Debian package, made by `cpack` in the build folder (scripts/package does it all).
# Its dependencies are read from the programs' shared libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VENDOR "The Quarvel developers")
set(CPACK_PACKAGE_CONTACT "The Quarvel developers <quarvel@quarvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Counter-Strike 1.6 configuration utility")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarvel edits the console scripts of Counter-Strike 1.6 (config.cfg,\n"
    "autoexec.cfg and the player's own .cfg files) through one window: client\n"
    "and server options, a key binder, HUD sprites and a wizard. Lines it does\n"
    "not change are kept byte for byte. qvl-cfg is a command-line tool over the\n"
    "same reader and writer.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quarvel.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a font text renders as boxes; without Qt's translations its own dialogs stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
