#!/usr/bin/env bash
# Cross-builds Mosavo for Windows into build-win/ and runs the whole test suite under Wine on a
# virtual X display. Debian 12; installs the packages it needs with apt-get (run as root or with
# sudo available). Takes the Windows Qt from ../shared/qt6-mingw/ beside the checkout (or
# $MOSAVO_QT6_MINGW_TARBALL), else makes it once with its recipe in dist/windows/qt6-mingw/.
#   scripts/test-windows.sh        build, test, and make build-win/dist/Mosavo
# Every Wine run goes through scripts/wine-run.sh: its home and prefix are build-win/wine-home and
# build-win/wine, never the real ones, because Wine maps the Windows shell folders onto $HOME.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-win
recipe=$root/dist/windows/qt6-mingw

packages=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n wine64 wine xvfb xauth fonts-wine
    fonts-dejavu-core googletest ninja-build cmake g++ librsvg2-bin xz-utils util-linux openbox)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi

tarball=${MOSAVO_QT6_MINGW_TARBALL:-$root/../shared/qt6-mingw/qt6-mingw-6.4.2.tar.xz}
if [ ! -f "$tarball" ]; then
    # Never fetched from anywhere: made from Debian's own source, about 25 minutes on two cores.
    tarball=$build/toolkit/qt6-mingw-6.4.2.tar.xz
    if [ ! -f "$tarball" ]; then
        echo "test-windows.sh: no prebuilt Windows Qt; building it with $recipe/build-qt6-mingw.sh"
        bash "$recipe/build-qt6-mingw.sh" "$build/toolkit-work"
        mkdir -p "$build/toolkit"
        mv "$build/toolkit-work/qt6-mingw-6.4.2.tar.xz" "$tarball"
        rm -rf "$build/toolkit-work"
    fi
fi
qt=$build/qt/qt6-mingw
# The image format plugins (TIFF, WebP ...), prebuilt beside the recipe, else made once with it.
formats=$recipe/qt6-imageformats-mingw-6.4.2.tar.xz
[ -f "$formats" ] || formats=$build/toolkit/qt6-imageformats-mingw-6.4.2.tar.xz
if [ ! -f "$qt/.unpacked" ] || [ "$tarball" -nt "$qt/.unpacked" ] \
    || { [ -f "$formats" ] && [ "$formats" -nt "$qt/.unpacked" ]; }; then
    rm -rf "$build/qt"
    mkdir -p "$build/qt"
    tar -xJf "$tarball" -C "$build/qt"
    if [ ! -f "$formats" ]; then
        echo "test-windows.sh: no prebuilt image formats; building them with $recipe/build-imageformats-mingw.sh"
        bash "$recipe/build-imageformats-mingw.sh" "$qt" "$build/toolkit-work"
        mkdir -p "$build/toolkit"
        mv "$build/toolkit-work/qt6-imageformats-mingw-6.4.2.tar.xz" "$formats"
        rm -rf "$build/toolkit-work"
    fi
    tar -xJf "$formats" -C "$build/qt"
    cp "$build"/qt/qt6-imageformats-mingw/plugins/imageformats/*.dll "$qt/plugins/imageformats/"
    mkdir -p "$qt/licenses"
    rm -rf "$qt/licenses/imageformats"
    mv "$build/qt/qt6-imageformats-mingw/licenses" "$qt/licenses/imageformats"
    rm -rf "$build/qt/qt6-imageformats-mingw"
    touch "$qt/.unpacked"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DMOSAVO_DEBUG_INFO="${MOSAVO_DEBUG_INFO:-ON}" \
    -DMOSAVO_WINDOWS_QT="$qt"
cmake --build "$build" -j 2
cmake --build "$build" --target dist

# The shipped program: a windowed program with its icon, its version and its manifest (the
# user's own rights, Windows 7 to 11, long paths); the read-me with Windows line ends.
shipped=$build/dist/Mosavo
headers=$(x86_64-w64-mingw32-objdump -p "$shipped/Install.exe")
grep -q "Subsystem.*(Windows GUI)" <<<"$headers"
resources=$(x86_64-w64-mingw32-windres -J coff -i "$shipped/Install.exe" -O rc)
grep -q "RT_GROUP_ICON" <<<"$resources"
grep -q 'VALUE "ProductVersion", "2.5"' <<<"$resources"
# The text of resource 1 of type RT_MANIFEST, the one the loader reads.
manifest=$(awk '/^1 24 /{inside=1; next} inside && /^END/{exit} inside' <<<"$resources")
for wanted in 'requestedExecutionLevel level=""asInvoker""' \
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' \
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' \
    '>true</longPathAware>'; do
    if ! grep -qF "$wanted" <<<"$manifest"; then
        echo "test-windows.sh: Install.exe's manifest lacks $wanted" >&2
        exit 1
    fi
done
if [ "$(cat "$shipped/qt.conf")" != $'[Paths]\nPrefix=.' ]; then
    echo "test-windows.sh: qt.conf does not keep Qt to the program's folder" >&2
    exit 1
fi
# The installer copies what ShippedFiles.txt names and nothing else: the list is the folder.
listed=$(LC_ALL=C sort "$shipped/ShippedFiles.txt")
present=$(cd "$shipped" && find . -type f ! -name ShippedFiles.txt | sed 's|^\./||' | LC_ALL=C sort)
if [ "$listed" != "$present" ] || ! grep -qx 'Install.exe' <<<"$listed"; then
    echo "test-windows.sh: ShippedFiles.txt does not list the shipped folder's files" >&2
    exit 1
fi
if grep -qv $'\r$' "$shipped/Readme.txt"; then
    echo "test-windows.sh: Readme.txt has lines without Windows line ends" >&2
    exit 1
fi

# The private prefix, made once (wine-setup.sh under the private home).
bash scripts/wine-run.sh "$build" "$qt"

# One wineserver for the whole run, started on the virtual display, so that each test program
# starts quickly and no server without a display is mixed in.
export BUILD="$build"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    export HOME="$BUILD/wine-home" WINEPREFIX="$BUILD/wine" WINEDEBUG=-all
    # A window manager, as every desktop has: without one, Wine waits two seconds for each
    # window it hides to be withdrawn, and a dialog test takes seconds instead of milliseconds.
    openbox >/dev/null 2>&1 &
    window_manager=$!
    wineserver -p
    trap "wineserver -k || true; kill $window_manager || true" EXIT
    # The background services of Wine start with the first program. Started here, they do not
    # hold the output pipes of CTest open, which would make every test listing wait for its
    # timeout.
    wine cmd /c exit </dev/null >/dev/null 2>&1
    cd "$BUILD"
    start=$(date +%s)
    status=0
    ctest --output-on-failure -j 2 || status=$?
    echo "Windows suite under Wine: $(( $(date +%s) - start )) s"
    exit $status
'
