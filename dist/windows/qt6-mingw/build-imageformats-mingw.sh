#!/bin/bash
# Rebuilds qt6-imageformats-mingw-6.4.2.tar.xz: the Qt 6.4.2 image format plugins (TIFF, WebP, TGA,
# WBMP, ICNS) for x86_64-w64-mingw32, from Debian's own qt6-imageformats, tiff and libwebp source
# packages with Debian's patches applied (their security fixes among them). libtiff (with zlib
# from Debian's libz-mingw-w64-dev) and libwebp are linked statically into qtiff.dll and qwebp.dll,
# so the plugins need nothing but Qt and the mingw runtime. Run as root on Debian 12; about five
# minutes on two cores.
#   build-imageformats-mingw.sh QT6_MINGW_DIR [WORK_DIR]
#     QT6_MINGW_DIR: the unpacked qt6-mingw toolkit the plugins are built against
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
QT=$(cd "${1:?usage: build-imageformats-mingw.sh QT6_MINGW_DIR [WORK_DIR]}" && pwd)
W=${2:-$(mktemp -d /tmp/qt6-imageformats-build.XXXXXX)}
mkdir -p "$W"; W=$(cd "$W" && pwd); cd "$W"
DEPS=$W/deps
OUT=$W/qt6-imageformats-mingw
MINGW=/usr/x86_64-w64-mingw32

if [ ! -f /etc/apt/sources.list.d/debian-src.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >/etc/apt/sources.list.d/debian-src.sources
    apt-get update
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y qt6-base-dev qt6-base-dev-tools cmake ninja-build \
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev xz-utils

# Sources with Debian's patches: apt-get source unpacks each and applies debian/patches.
mkdir -p src; cd src
# The newest version the archive serves; a mirror may list a security update it does not hold.
fetch_source() {
    local version
    for version in $(apt-cache showsrc "$1" | awk '/^Version:/{print $2}' | sort -rV); do
        apt-get source "$1=$version" && return 0
    done
    return 1
}
for package in qt6-imageformats tiff libwebp; do
    ls -d "$package"-*/ >/dev/null 2>&1 || fetch_source "$package"
done
cd "$W"
IMAGEFORMATS=$(ls -d "$W"/src/qt6-imageformats-*/ | head -1)
TIFF=$(ls -d "$W"/src/tiff-*/ | head -1)
WEBP=$(ls -d "$W"/src/libwebp-*/ | head -1)

cp "$here/mingw-w64-x86_64.cmake" "$W/mingw-w64-x86_64.cmake"
static_library() { # NAME SOURCE CMAKE_ARGS...
    local name=$1 source=$2; shift 2
    rm -rf "$W/build-$name"
    nice -n 10 cmake -G Ninja -S "$source" -B "$W/build-$name" \
        -DCMAKE_TOOLCHAIN_FILE="$W/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$DEPS" -DCMAKE_FIND_ROOT_PATH="$MINGW;$DEPS" \
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=ON "$@"
    nice -n 10 cmake --build "$W/build-$name" -j "$(nproc)"
    cmake --install "$W/build-$name"
}

# The libraries, unless an earlier run in WORK_DIR made them.
[ -f "$DEPS/lib/libwebp.a" ] || static_library webp "$WEBP" \
    -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF \
    -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF \
    -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF
# TIFF's codecs: the built-in ones (none, LZW, PackBits, CCITT, ThunderScan, NeXT, LogLuv) and
# Deflate through zlib; JPEG inside TIFF would need a second libjpeg beside Qt's own.
[ -f "$DEPS/lib/libtiff.a" ] || static_library tiff "$TIFF" \
    -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF -Dtiff-docs=OFF -Dcxx=OFF \
    -Dzlib=ON -DZLIB_INCLUDE_DIR=$MINGW/include -DZLIB_LIBRARY=$MINGW/lib/libz.a -Dpixarlog=ON \
    -Djpeg=OFF -Dold-jpeg=OFF -Djbig=OFF -Dlerc=OFF -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF \
    -Dlibdeflate=OFF

# libwebp's CMake package finds Threads in a scope Qt's build cannot promote, so Qt's own search
# for WebP is given the libraries instead (libwebp uses Windows threads there, no pthreads); the
# last names libwebp again, after the two static libraries that need it.
# The static libtiff needs zlib after it: given at the end of every link, before the Windows
# libraries CMake links by default.
windows_libraries="-lkernel32 -luser32 -lgdi32 -lwinspool -lshell32 -lole32 -loleaut32 -luuid"
windows_libraries+=" -lcomdlg32 -ladvapi32"
rm -rf "$W/build-imageformats" "$OUT"
nice -n 10 cmake -G Ninja -S "$IMAGEFORMATS" -B "$W/build-imageformats" \
    -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$OUT" \
    -DCMAKE_FIND_ROOT_PATH="$QT;$MINGW;$DEPS" -DCMAKE_PREFIX_PATH="$DEPS" \
    -DCMAKE_DISABLE_FIND_PACKAGE_WebP=ON -DWebP_INCLUDE_DIR="$DEPS/include" \
    -DWebP_demux_INCLUDE_DIR="$DEPS/include" -DWebP_mux_INCLUDE_DIR="$DEPS/include" \
    -DWebP_LIBRARY="$DEPS/lib/libwebp.a" -DWebP_demux_LIBRARY="$DEPS/lib/libwebpdemux.a" \
    -DWebP_mux_LIBRARY="$DEPS/lib/libwebpmux.a;$DEPS/lib/libwebpdemux.a;$DEPS/lib/libwebp.a" \
    -DTIFF_INCLUDE_DIR="$DEPS/include" -DTIFF_LIBRARY="$DEPS/lib/libtiff.a" \
    -DCMAKE_CXX_STANDARD_LIBRARIES="$MINGW/lib/libz.a $windows_libraries" \
    -DZLIB_INCLUDE_DIR=$MINGW/include -DZLIB_LIBRARY=$MINGW/lib/libz.a \
    -DFEATURE_system_tiff=ON -DFEATURE_system_webp=ON -DFEATURE_jasper=OFF -DFEATURE_mng=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
nice -n 10 cmake --build "$W/build-imageformats" -j "$(nproc)"
# Only the plugins; the CMake files and headers of the module are of no use beside the program.
mkdir -p "$OUT/plugins/imageformats" "$OUT/licenses"
find "$W/build-imageformats" -path '*plugins/imageformats/*.dll' \
    -exec cp {} "$OUT/plugins/imageformats/" \;
x86_64-w64-mingw32-strip --strip-unneeded "$OUT"/plugins/imageformats/*.dll
cp "$IMAGEFORMATS/LICENSES/LGPL-3.0-only.txt" "$OUT/licenses/qtimageformats-LGPL-3.0-only.txt"
cp "$IMAGEFORMATS/debian/copyright" "$OUT/licenses/qt6-imageformats.copyright"
cp "$TIFF/LICENSE.md" "$OUT/licenses/libtiff-LICENSE.md"
cp "$TIFF/debian/copyright" "$OUT/licenses/tiff.copyright"
cp "$WEBP/COPYING" "$OUT/licenses/libwebp-COPYING"
cp "$WEBP/debian/copyright" "$OUT/licenses/libwebp.copyright"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$OUT/licenses/libz-mingw-w64.copyright"
(cd "$W/src" && ls -1 ./*.dsc) >"$OUT/licenses/SOURCES"
tar -C "$W" --owner=0 --group=0 --sort=name -cJf "$W/qt6-imageformats-mingw-6.4.2.tar.xz" \
    qt6-imageformats-mingw
echo "made $W/qt6-imageformats-mingw-6.4.2.tar.xz"
