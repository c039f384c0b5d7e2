# The game's translations: each translations/mosavo_<language>.ts becomes a .qm file in
# translations/ beside the program, where it finds them in the build tree and on Windows.
# lrelease is a host tool, so a cross build takes the build machine's.
find_program(MOSAVO_LRELEASE NAMES lrelease lrelease-qt6
    HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec ${QT6_INSTALL_PREFIX}/bin REQUIRED)
file(GLOB MOSAVO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/mosavo_*.ts)
set(MOSAVO_QM_DIR ${PROJECT_BINARY_DIR}/translations)
set(MOSAVO_QM_FILES)
foreach(ts ${MOSAVO_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${MOSAVO_QM_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_QM_DIR}
        COMMAND ${MOSAVO_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts} VERBATIM)
    list(APPEND MOSAVO_QM_FILES ${qm})
endforeach()
add_custom_target(mosavo_translations ALL DEPENDS ${MOSAVO_QM_FILES})
add_dependencies(Mosavo mosavo_translations)
