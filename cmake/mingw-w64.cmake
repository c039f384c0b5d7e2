# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads), tested under Wine.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DMOSAVO_WINDOWS_QT=<folder holding the unpacked qt6-mingw>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MOSAVO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MOSAVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MOSAVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${MOSAVO_MINGW}-windres)
set(CMAKE_AR /usr/bin/${MOSAVO_MINGW}-ar CACHE FILEPATH "ar")
set(CMAKE_RANLIB /usr/bin/${MOSAVO_MINGW}-ranlib CACHE FILEPATH "ranlib")

# The Windows Qt; its host tools (moc, rcc) are the Linux ones of the same version.
set(MOSAVO_WINDOWS_QT "" CACHE PATH "The unpacked Qt for Windows (the qt6-mingw folder)")
set(QT_HOST_PATH /usr CACHE PATH "Host Qt for moc and rcc")
set(CMAKE_FIND_ROOT_PATH /usr/${MOSAVO_MINGW} ${MOSAVO_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
list(APPEND CMAKE_PREFIX_PATH ${MOSAVO_WINDOWS_QT})

# CTest and test discovery run the Windows programs through Wine, always with the private home and
# prefix of scripts/wine-run.sh, never with the real home.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${CMAKE_BINARY_DIR} ${MOSAVO_WINDOWS_QT})
