# The shipped folder: `cmake --build <dir> --target dist` makes <dir>/dist/Mosavo holding the
# program under the installer's name, the read-me, the shortcuts' icon and the sample pictures.

find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(mosavo_make_icon ${CMAKE_CURRENT_LIST_DIR}/MakeIcon.cpp)
target_link_libraries(mosavo_make_icon PRIVATE Qt6::Gui)

set(MOSAVO_ICON ${PROJECT_BINARY_DIR}/icon/Mosavo.png)
add_custom_command(OUTPUT ${MOSAVO_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
    COMMAND mosavo_make_icon ${MOSAVO_ICON}
    DEPENDS mosavo_make_icon
    COMMENT "Drawing the program's icon")

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
    DEPENDS Mosavo ${MOSAVO_ICON} ${CMAKE_CURRENT_LIST_DIR}/Readme.txt ${MOSAVO_SAMPLE_PICTURES}
    COMMENT "Making the shipped folder ${MOSAVO_DIST_DIR}"
    VERBATIM)
