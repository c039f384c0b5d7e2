# `cpack -G DEB` (or `cmake --build <build> --target package`) in the build folder makes
# mosavo_<version>-1_<arch>.deb from the install rules of Install.cmake, made Debian-shaped by
# DebianPackageFiles.cmake.in: copyright and changelog instead of the license text, a compressed
# manual page, and a stripped program in /usr/games.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mosavo)
set(CPACK_PACKAGE_VENDOR "The Mosavo developers")
set(CPACK_PACKAGE_CONTACT "The Mosavo developers <maintainers@mosavo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle game")
# Lines of the extended description, each under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Mosavo cuts any picture into a grid of equal pieces, shuffles them and lets"
    "you put the picture back together with the mouse, with the whole picture"
    "beside the puzzle as a guide. Pieces may be mirrored as well as moved, and"
    "games can be saved and loaded.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MOSAVO_HOMEPAGE})
# The libraries the program links come from dpkg-shlibdeps; Qt's platform plug-ins are loaded at
# run time, and without one the program cannot show a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# More picture formats (TIFF, WebP, TGA, ...), Open picture's viewer, and Qt's own texts (its dialogs'
# buttons) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, xdg-utils, qt6-translations-l10n")
set(CPACK_CUSTOM_INSTALL_VARIABLES "MOSAVO_DEBIAN_PACKAGE=TRUE")

string(TIMESTAMP MOSAVO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP MOSAVO_COPYRIGHT_YEAR "%Y" UTC)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright
    ${PROJECT_BINARY_DIR}/linux/debian/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog
    ${PROJECT_BINARY_DIR}/linux/debian/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake.in
    ${PROJECT_BINARY_DIR}/linux/DebianPackageFiles.cmake @ONLY)
install(SCRIPT ${PROJECT_BINARY_DIR}/linux/DebianPackageFiles.cmake)

include(CPack)
