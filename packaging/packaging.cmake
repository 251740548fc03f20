# The Debian package: `cpack -G DEB` in the build folder writes brenvolt_<version>_<arch>.deb.
# Library dependencies come from the binaries themselves (dpkg-shlibdeps); the font the window
# is drawn in is named here, as no binary links it. Qt's X11 platform plugin comes with
# libqt6gui6, which the shlibs already require.
set(CPACK_PACKAGE_NAME "brenvolt")
set(CPACK_PACKAGE_VENDOR "The Brenvolt developers")
set(CPACK_PACKAGE_CONTACT "The Brenvolt developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make exactly five in a row with shogi pieces")
set(CPACK_PACKAGE_DESCRIPTION
    "Brenvolt is a board game for two on a 9x9 board with shogi pieces. Both sides start with an
empty board and eleven pieces in hand; a turn drops a piece or moves one by its shogi move onto
an empty square, with promotion, and nothing is captured. The first side to line up exactly
five of its pieces wins; as in renju, double threes and double fours are refused. Play a friend
or the computer. Includes brenvolt-engine, a headless text protocol for tools and scripts.")
if(BRENVOLT_HOMEPAGE)
  set(CPACK_PACKAGE_HOMEPAGE_URL "${BRENVOLT_HOMEPAGE}")
endif()
set(CPACK_PACKAGE_INSTALL_DIRECTORY "brenvolt")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font the window is drawn in, and SDL, which the game opens at run time when it starts its
# sound (dpkg-shlibdeps sees only the libraries the programs link).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
# Qt's own translations put the file dialogs and the boxes' buttons in Japanese; without them
# they are English and the game works all the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
