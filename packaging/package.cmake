# `scripts/setup.sh package` (or `cpack -G DEB` in build/package) turns the release build
# into vandolin_<version>_<arch>.deb. The libraries it needs are read from the
# programs by dpkg-shlibdeps, never listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandolin)
set(CPACK_PACKAGE_VERSION ${VANDOLIN_VERSION})
set(CPACK_PACKAGE_CONTACT "Vandolin maintainers <maintainers@users.noreply.c-seed-4e0068b6.example>")
set(CPACK_PACKAGE_VENDOR "Vandolin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jacks-or-better video poker on a green table")
set(CPACK_PACKAGE_DESCRIPTION
    "Vandolin is a single-player video-poker game for the desktop. Bet one to
ten units against a bankroll of 100, take five cards from a freshly
shuffled deck, choose the cards to change with the mouse or the keys 1 to 5,
draw once, and get paid by a nine-line pay table from jacks or better (2 : 1)
to a royal flush (500 : 1).
.
The package also holds vandolin-odds, a command that computes the exact odds
of every hold and the return of a pay table under best play.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sounds come from libcanberra, opened at the first sound rather than linked, so
# dpkg-shlibdeps cannot see it; without it the game beeps through the toolkit instead. The
# trainer's log needs the toolkit's SQLite driver, a plug-in; without it the trainer forgets.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0, sound-theme-freedesktop, libqt6sql6-sqlite")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
