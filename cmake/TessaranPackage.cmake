# The Debian package, built with `cpack -G DEB` from the install rules. Run-time
# dependencies come from dpkg-shlibdeps (the Qt and C++ libraries the programs link)
# plus the fonts the windows and pictures draw their text with.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaran)
set(CPACK_PACKAGE_VENDOR "The Tessaran developers")
set(CPACK_PACKAGE_CONTACT ${TESSARAN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword construction program")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSARAN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2")
# Qt finds Wayland's platform plugin there; without it the windows run through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The synopsis is the summary above; this is the extended description, one string.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tessaran lays out blocked and barred crossword grids of up to 50 by 50 cells\n"
    "under ten symmetry types, numbers the lights and checks each against an unch\n"
    "model. It fills empty lights automatically from a compressed dictionary, with a\n"
    "kill list and a commonality target, searches the dictionary with templates and\n"
    "anagram patterns, and prints and exports grids as pictures and text.\n"
    "\n"
    "The package holds the editor gridsmith, the dictionary builder lexiforge and\n"
    "English dictionaries built from the SCOWL word lists. Both programs also work\n"
    "from the command line without a window.")

include(CPack)
