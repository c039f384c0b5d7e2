# `cmake --install <build> [--prefix /usr]`: Mosavo as a desktop application of a Linux system.
#   bin/mosavo                                         the program
#   share/applications/org.mosavo.Mosavo.desktop       the menu entry
#   share/icons/hicolor/<size>/apps/org.mosavo.Mosavo.png (16 to 256) and scalable/apps/....svg
#   share/metainfo/org.mosavo.Mosavo.metainfo.xml      AppStream metadata
#   share/mime/packages/org.mosavo.Mosavo.xml          the game file's type, *.mzg
#   share/man/man6/mosavo.6                            the manual page
#   share/mosavo/pictures/                             the sample pictures and their CREDITS
#   share/mosavo/translations/mosavo_<language>.qm     the game's translations
#   share/doc/mosavo/README.md, LICENSE
# The program recognizes this layout by its desktop entry and keeps the user's files in the XDG
# folders (platform/DataLocations.h).

include(GNUInstallDirs)

set(MOSAVO_HOMEPAGE "https://mosavo.org/" CACHE STRING "The project's web page")
set(MOSAVO_SCREENSHOT_URL "https://mosavo.org/docs/screenshot.png"
    CACHE STRING "Where the AppStream metadata finds the screenshot (docs/screenshot.png)")
set(MOSAVO_RELEASE_DATE 2004-06-06)
set(MOSAVO_APP_ID org.mosavo.Mosavo)
set(MOSAVO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/mosavo)

configure_file(${CMAKE_CURRENT_LIST_DIR}/${MOSAVO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/linux/${MOSAVO_APP_ID}.metainfo.xml @ONLY)

install(PROGRAMS $<TARGET_FILE:Mosavo> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME mosavo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MOSAVO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/linux/${MOSAVO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MOSAVO_APP_ID}.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size ${MOSAVO_ICON_SIZES})
    install(FILES ${MOSAVO_ICON_DIR}/${size}/${MOSAVO_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${MOSAVO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/mosavo.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The program finds them at ../share/mosavo/pictures from its own folder (ui/SamplePictures.h).
install(FILES ${MOSAVO_SAMPLE_PICTURES} DESTINATION ${CMAKE_INSTALL_DATADIR}/mosavo/pictures)
# ... and its translations at ../share/mosavo/translations (ui/Language.h); Qt's own come from
# the system's qt6-translations-l10n.
install(FILES ${MOSAVO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/mosavo/translations)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${MOSAVO_DOC_DIR})
