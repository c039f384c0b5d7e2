# Windows: Mosavo.exe as a GUI program with its icon and version information, and the shipped
# folder `cmake --build <dir> --target dist` makes in <dir>/dist/Mosavo: the program as
# Install.exe with the Qt and mingw runtime DLLs, the Qt plugins it loads, Readme.txt with Windows
# line ends, the icon, the sample pictures and ShippedFiles.txt, the list of those files that the
# installer copies. Zipping that folder is the Windows release.

enable_language(RC)
mosavo_host_tool(mosavo_make_ico ${CMAKE_CURRENT_LIST_DIR}/MakeIco.cpp)

set(MOSAVO_ICO ${MOSAVO_ICON_DIR}/Mosavo.ico)
set(ico_pngs)
foreach(size 16 32 48 256)
    list(APPEND ico_pngs ${MOSAVO_ICON_DIR}/${size}/org.mosavo.Mosavo.png)
endforeach()
add_custom_command(OUTPUT ${MOSAVO_ICO}
    COMMAND ${mosavo_make_ico_COMMAND} ${MOSAVO_ICO} ${ico_pngs}
    DEPENDS ${mosavo_make_ico_DEPENDS} ${ico_pngs}
    COMMENT "Packing the program's icon"
    VERBATIM)
add_custom_target(mosavo_ico DEPENDS ${MOSAVO_ICO})

set(rc ${CMAKE_CURRENT_LIST_DIR}/Mosavo.rc)
target_sources(Mosavo PRIVATE ${rc})
set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
    "${MOSAVO_ICO};${CMAKE_CURRENT_LIST_DIR}/Mosavo.manifest")
target_include_directories(Mosavo PRIVATE ${MOSAVO_ICON_DIR} ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(Mosavo mosavo_ico)
set_target_properties(Mosavo PROPERTIES WIN32_EXECUTABLE ON)

set(readme ${PROJECT_BINARY_DIR}/Readme-crlf.txt)
add_custom_command(OUTPUT ${readme}
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_LIST_DIR}/Readme.txt -DOUT=${readme}
        -P ${CMAKE_CURRENT_LIST_DIR}/CrLf.cmake
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/Readme.txt ${CMAKE_CURRENT_LIST_DIR}/CrLf.cmake
    VERBATIM)

# What the Windows Qt's DLLs and plugins need besides themselves: the mingw runtime.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_runtime_dir ${libgcc} DIRECTORY)
set(runtime_dlls ${gcc_runtime_dir}/libstdc++-6.dll ${gcc_runtime_dir}/libgcc_s_seh-1.dll
    /usr/${MOSAVO_MINGW}/lib/libwinpthread-1.dll)
set(qt_dir ${MOSAVO_WINDOWS_QT})
set(qt_dlls ${qt_dir}/bin/Qt6Core.dll ${qt_dir}/bin/Qt6Gui.dll ${qt_dir}/bin/Qt6Widgets.dll)
file(GLOB image_plugins ${qt_dir}/plugins/imageformats/*.dll)
file(GLOB style_plugins ${qt_dir}/plugins/styles/*.dll)
# Qt's own texts in the game's languages, from the build machine (qt6-translations-l10n): the
# files are the same on every system, and Qt looks for them in translations\ (see qt.conf).
set(qt_translations)
foreach(qm ${MOSAVO_QM_FILES})
    get_filename_component(name ${qm} NAME_WE)
    string(REPLACE "mosavo_" "qtbase_" qt_name ${name})
    set(qt_qm /usr/share/qt6/translations/${qt_name}.qm)
    if(NOT EXISTS ${qt_qm})
        message(FATAL_ERROR "${qt_qm} is missing: install qt6-translations-l10n")
    endif()
    list(APPEND qt_translations ${qt_qm})
endforeach()

# The shipped copies lose their debugging information: the release is a third of the size.
find_program(MOSAVO_MINGW_STRIP ${MOSAVO_MINGW}-strip REQUIRED)
set(MOSAVO_DIST_DIR ${PROJECT_BINARY_DIR}/dist/Mosavo)
# The licenses of the image format plugins and the libraries inside them go with them.
file(GLOB plugin_licenses ${qt_dir}/licenses/imageformats/*)
set(copy_plugin_licenses)
if(plugin_licenses)
    set(copy_plugin_licenses COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_DIST_DIR}/Licenses
        COMMAND ${CMAKE_COMMAND} -E copy ${plugin_licenses}
        ${MOSAVO_DIST_DIR}/Licenses)
endif()
set(shipped_binaries ${MOSAVO_DIST_DIR}/Install.exe)
foreach(dll ${qt_dlls} ${runtime_dlls})
    get_filename_component(name ${dll} NAME)
    list(APPEND shipped_binaries ${MOSAVO_DIST_DIR}/${name})
endforeach()
# Made afresh each time, so that nothing of an earlier build or an installer run is shipped.
add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${MOSAVO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOSAVO_DIST_DIR}/platforms
        ${MOSAVO_DIST_DIR}/imageformats ${MOSAVO_DIST_DIR}/styles ${MOSAVO_DIST_DIR}/Pictures
        ${MOSAVO_DIST_DIR}/translations
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Mosavo> ${MOSAVO_DIST_DIR}/Install.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${qt_dlls} ${runtime_dlls} ${MOSAVO_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${qt_dir}/plugins/platforms/qwindows.dll
        ${MOSAVO_DIST_DIR}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy ${image_plugins} ${MOSAVO_DIST_DIR}/imageformats
    COMMAND ${CMAKE_COMMAND} -E copy ${style_plugins} ${MOSAVO_DIST_DIR}/styles
    ${copy_plugin_licenses}
    COMMAND ${CMAKE_COMMAND} -E copy ${readme} ${MOSAVO_DIST_DIR}/Readme.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_ICO} ${MOSAVO_DIST_DIR}/Mosavo.ico
    # Qt then takes its plugins from the program's own folder alone, never from the folders
    # built into Qt6Core.dll on the build machine.
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/qt.conf ${MOSAVO_DIST_DIR}/qt.conf
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_SAMPLE_PICTURES} ${MOSAVO_DIST_DIR}/Pictures
    COMMAND ${CMAKE_COMMAND} -E copy ${MOSAVO_QM_FILES} ${qt_translations}
        ${MOSAVO_DIST_DIR}/translations
    COMMAND ${MOSAVO_MINGW_STRIP} --strip-debug ${shipped_binaries}
    # The installer copies what this list names, and nothing else beside it.
    COMMAND ${CMAKE_COMMAND} -DDIR=${MOSAVO_DIST_DIR} -P ${PROJECT_SOURCE_DIR}/dist/ShippedList.cmake
    DEPENDS Mosavo mosavo_translations ${readme} ${MOSAVO_ICO} ${MOSAVO_SAMPLE_PICTURES}
        ${MOSAVO_QM_FILES}
        ${CMAKE_CURRENT_LIST_DIR}/qt.conf
    COMMENT "Making the shipped folder ${MOSAVO_DIST_DIR}"
    VERBATIM)

# The release as one file: `cmake --build <dir> --target package` makes Mosavo-2.5-win64.zip
# holding the shipped folder Mosavo\ (made afresh first, as the dist target makes it).
install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\" --build \"${PROJECT_BINARY_DIR}\"
    --target dist RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR \"Making the shipped folder failed\")
endif()")
install(DIRECTORY ${MOSAVO_DIST_DIR} DESTINATION . USE_SOURCE_PERMISSIONS)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Mosavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Mosavo-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
