# Programs that the build itself runs, such as the icon's drawer. A cross build makes them with the
# build machine's own compiler, so that building never starts a program under the emulator.
#   mosavo_host_tool(name source) sets <name>_COMMAND (to run it) and <name>_DEPENDS (for DEPENDS).
function(mosavo_host_tool name source)
    if(CMAKE_CROSSCOMPILING)
        find_program(MOSAVO_HOST_CXX NAMES c++ g++ REQUIRED)
        set(program ${PROJECT_BINARY_DIR}/host/${name})
        add_custom_command(OUTPUT ${program}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/host
            COMMAND ${MOSAVO_HOST_CXX} -std=c++20 -O1 -o ${program} ${source}
            DEPENDS ${source}
            COMMENT "Building ${name} for the build machine"
            VERBATIM)
        set(${name}_COMMAND ${program} PARENT_SCOPE)
        set(${name}_DEPENDS ${program} PARENT_SCOPE)
    else()
        add_executable(${name} ${source})
        set(${name}_COMMAND $<TARGET_FILE:${name}> PARENT_SCOPE)
        set(${name}_DEPENDS ${name} PARENT_SCOPE)
    endif()
endfunction()
