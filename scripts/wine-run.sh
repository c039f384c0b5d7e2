#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, with a private home and Wine prefix inside
# the build folder: Wine maps the Windows shell folders (Desktop, Documents, Pictures) onto $HOME,
# so a program that installs or deletes there must never see the real one. CMake's cross-compiling
# emulator (cmake/mingw-w64.cmake), so CTest and test discovery run through it too.
#   wine-run.sh BUILD_DIR QT_DIR PROGRAM.exe [ARGUMENT...]
#   wine-run.sh BUILD_DIR QT_DIR               only makes the prefix
# The prefix is made on first use with dist/windows/qt6-mingw/wine-setup.sh (or
# $MOSAVO_WINE_SETUP).
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
setup=${MOSAVO_WINE_SETUP:-$here/../dist/windows/qt6-mingw/wine-setup.sh}

export HOME="$build/wine-home" WINEPREFIX="$build/wine"
export WINEDEBUG=${MOSAVO_WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Qt's messages and QTest's results reach stderr only so under Wine (no console is attached).
export WINEQT_FORCE_STDERR_LOGGING=1
# The Qt DLLs and the mingw runtime they need, found without copying them beside each program.
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$gcc_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
mkdir -p "$HOME"

if [ ! -e "$WINEPREFIX/.mosavo-ready" ]; then
    exec 9>"$build/wine-setup.lock"
    flock 9
    if [ ! -e "$WINEPREFIX/.mosavo-ready" ]; then
        if [ ! -f "$setup" ]; then
            echo "wine-run.sh: $setup is missing; set MOSAVO_WINE_SETUP to wine-setup.sh" >&2
            exit 1
        fi
        rm -rf "$WINEPREFIX"
        bash "$setup" >"$build/wine-setup.log" 2>&1
        touch "$WINEPREFIX/.mosavo-ready"
    fi
    exec 9>&-
fi
[ $# -gt 0 ] || exit 0
exec wine "$@"
