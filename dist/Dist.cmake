# The program's icon, drawn once as SVG and rendered at every size the desktop asks for, and the
# self-installer's shipped folder: `cmake --build <dir> --target dist` makes <dir>/dist/Mosavo
# holding the program under the installer's name, the read-me, the shortcuts' icon, the sample
# pictures and the translations, and the list of its files that the installer copies
# (dist/ShippedList.cmake).

include(${PROJECT_SOURCE_DIR}/cmake/HostTool.cmake)
mosavo_host_tool(mosavo_make_icon ${CMAKE_CURRENT_LIST_DIR}/MakeIcon.cpp)
find_program(MOSAVO_RSVG_CONVERT rsvg-convert REQUIRED)

set(MOSAVO_ICON_DIR ${PROJECT_BINARY_DIR}/icon)
set(MOSAVO_ICON_SVG ${MOSAVO_ICON_DIR}/org.mosavo.Mosavo.svg)
set(MOSAVO_ICON_SIZES 16 32 48 64 128 256)
add_custom_command(OUTPUT ${MOSAVO_ICON_SVG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_ICON_DIR}
    COMMAND ${mosavo_make_icon_COMMAND} ${MOSAVO_ICON_SVG}
    DEPENDS ${mosavo_make_icon_DEPENDS}
    COMMENT "Drawing the program's icon")
set(MOSAVO_ICON_PNGS)
foreach(size ${MOSAVO_ICON_SIZES})
    set(png ${MOSAVO_ICON_DIR}/${size}/org.mosavo.Mosavo.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_ICON_DIR}/${size}
        COMMAND ${MOSAVO_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${MOSAVO_ICON_SVG}
        DEPENDS ${MOSAVO_ICON_SVG}
        COMMENT "Rendering the icon at ${size} pixels"
        VERBATIM)
    list(APPEND MOSAVO_ICON_PNGS ${png})
endforeach()
add_custom_target(mosavo_icons ALL DEPENDS ${MOSAVO_ICON_SVG} ${MOSAVO_ICON_PNGS})
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows/Windows.cmake)
    return()
endif()

# The shortcuts' icon of the shipped folder.
set(MOSAVO_ICON ${MOSAVO_ICON_DIR}/64/org.mosavo.Mosavo.png)

set(MOSAVO_DIST_DIR ${PROJECT_BINARY_DIR}/dist/Mosavo)
# Made afresh each time, so that nothing of an earlier build or an installer run is shipped.
add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${MOSAVO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Mosavo> ${MOSAVO_DIST_DIR}/Install
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/Readme.txt ${MOSAVO_DIST_DIR}/Readme.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_ICON} ${MOSAVO_DIST_DIR}/Mosavo.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_DIST_DIR}/Pictures
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_SAMPLE_PICTURES} ${MOSAVO_DIST_DIR}/Pictures
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_DIST_DIR}/translations
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_QM_FILES} ${MOSAVO_DIST_DIR}/translations
    COMMAND ${CMAKE_COMMAND} -DDIR=${MOSAVO_DIST_DIR} -P ${PROJECT_SOURCE_DIR}/dist/ShippedList.cmake
    DEPENDS Mosavo mosavo_icons mosavo_translations ${MOSAVO_ICON}
        ${CMAKE_CURRENT_LIST_DIR}/Readme.txt ${MOSAVO_SAMPLE_PICTURES} ${MOSAVO_QM_FILES}
    COMMENT "Making the shipped folder ${MOSAVO_DIST_DIR}"
    VERBATIM)
