# The sample pictures. The program looks for them in a Pictures folder beside itself, so the
# build folder gets one too; a system install keeps them in share/mosavo/pictures
# (dist/linux/Install.cmake).

file(GLOB MOSAVO_SAMPLE_PICTURES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/*.jpg ${CMAKE_CURRENT_LIST_DIR}/*.png)
list(APPEND MOSAVO_SAMPLE_PICTURES ${CMAKE_CURRENT_LIST_DIR}/CREDITS)

set(MOSAVO_BUILD_PICTURES_DIR ${PROJECT_BINARY_DIR}/Pictures)
set(copied_pictures)
foreach(picture ${MOSAVO_SAMPLE_PICTURES})
    get_filename_component(name ${picture} NAME)
    add_custom_command(OUTPUT ${MOSAVO_BUILD_PICTURES_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_BUILD_PICTURES_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${picture} ${MOSAVO_BUILD_PICTURES_DIR}/${name}
        DEPENDS ${picture}
        VERBATIM)
    list(APPEND copied_pictures ${MOSAVO_BUILD_PICTURES_DIR}/${name})
endforeach()
add_custom_target(mosavo_pictures ALL DEPENDS ${copied_pictures})
add_dependencies(Mosavo mosavo_pictures)
