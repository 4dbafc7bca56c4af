#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: cross-compiles a static Qt for 64-bit Windows into a cache folder outside
# the checkout (once; again only when its flags change), builds tavrendale.exe against it with
# the program's own CMake and packs the zip a Windows user downloads.
#   scripts/windows.sh            Qt when missing, the program, out/windows/tavrendale-<version>-windows-x86_64.zip
#   scripts/windows.sh --test     the same, then the Windows test under Wine on a virtual X server
#   scripts/windows.sh --language-test   the same, then its test in Japanese under Wine
#   scripts/windows.sh --qt       only the static Qt
#   scripts/windows.sh --qt-path  prints the static Qt's folder when it is built (exit 1 when not)
# With --cached-qt it never builds Qt: it exits 77 (skipped) when the cache holds none or the
# cross-compiler is missing, as the test command does, since a fresh machine needs about a
# quarter of an hour of both cores for it.
# The cache lies in ${XDG_CACHE_HOME:-~/.cache}/tavrendale (TAVRENDALE_CACHE overrides it); the
# only downloads are Debian's source packages of Qt's base module and of SQLite.

# The DLLs that come with 64-bit Windows itself (10 and later), in lower case; the program may
# import these and no other. The "api-ms-win-" and "ext-ms-win-" API sets are Windows' too.
windows_dlls=(
  advapi32 authz bcrypt cfgmgr32 comctl32 comdlg32 crypt32 d2d1 d3d9 d3d11 d3d12 d3dcompiler_47 dcomp
  dnsapi dwmapi dwrite dxgi gdi32 gdiplus hid imm32 iphlpapi kernel32 mpr msimg32 msvcrt ncrypt netapi32
  ntdll ole32 oleacc oleaut32 opengl32 powrprof propsys psapi rpcrt4 secur32 setupapi shcore shell32
  shlwapi ucrtbase user32 userenv usp10 uxtheme version winhttp wininet winmm winspool.drv wintrust
  ws2_32 wtsapi32
)

# Reads `objdump -p` of a Windows program and prints the DLLs it imports that are not Windows'
# own, one a line.
foreign_dlls() {
  local name base
  sed -n 's/^\s*DLL Name: //p' | tr -d '\r' | while read -r name; do
    base=${name,,}
    case $base in
      api-ms-win-* | ext-ms-win-*) continue ;;
    esac
    [[ " ${windows_dlls[*]} " == *" ${base%.dll} "* ]] || echo "$name"
  done
}

# The source list apt fetches Debian's source packages (Qt, SQLite) from: the release the machine runs,
# as its os-release file (the argument) names it, with that release's security updates.
qt_source_list() {
  local codename
  codename=$(. "$1" && echo "${VERSION_CODENAME:-}")
  if [ -z "$codename" ]; then
    echo "$1 names no Debian release (VERSION_CODENAME)" >&2
    return 1
  fi
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  echo "deb-src [signed-by=$keyring] http://deb.debian.org/debian $codename main"
  echo "deb-src [signed-by=$keyring] http://deb.debian.org/debian-security $codename-security main"
}

# Sourced (by its test), the script only defines the functions above.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/require-tools.sh

mode=build
cached_only=0
for arg in "$@"; do
  case $arg in
    --test) mode=test ;;
    --language-test) mode=language-test ;;
    --qt) mode=qt ;;
    --qt-path) mode=qt-path ;;
    --cached-qt) cached_only=1 ;;
    -h | --help) sed -n '3,15p' "$0" | cut -c3-; exit 0 ;;
    *) echo "unknown option: $arg (see --help)" >&2; exit 2 ;;
  esac
done

# With --cached-qt (the test command) nothing is installed: the cache holds a Qt only where
# the tools to build it were installed before, and a machine without it skips.
[ "$mode" = qt-path ] || ((cached_only)) || scripts/deps.sh build windows

toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${TAVRENDALE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavrendale}
out=${TAVRENDALE_WINDOWS_OUT:-$root/out/windows}
jobs=${TAVRENDALE_JOBS:-2}

# ---------------------------------------------------------------------------------------------
# SQLite for Qt's SQL driver, which keeps the history of sittings. Debian's "+dfsg" Qt source
# leaves out the copy of SQLite that Qt bundles, so the driver is built against SQLite's own
# library: compiled here, static, from Debian's sqlite3 source package of the release the
# machine's own SQLite comes from (its amalgamation made with tclsh, as upstream makes it).
mingw_cc=x86_64-w64-mingw32-gcc-posix
sqlite_package=sqlite3
sqlite_deb_version=$(dpkg-query -W -f='${source:Version}' libsqlite3-0 2>/dev/null || true)
sqlite_defines=(-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA)
sqlite_compiler=$("$mingw_cc" --version 2>/dev/null | head -1) || sqlite_compiler=
sqlite_hash=$(printf '%s\n' "$sqlite_package $sqlite_deb_version" "${sqlite_defines[@]}" "$sqlite_compiler" |
  sha256sum | cut -c1-12)
sqlite=$cache/sqlite-${sqlite_deb_version%%-*}-mingw-$sqlite_hash

# ---------------------------------------------------------------------------------------------
# The static Qt: Core, Gui, Print Support, Sql (with the SQLite driver only), Widgets and Test,
# every other third-party library bundled, the C and C++ runtimes linked in, so the program
# imports nothing but Windows' own DLLs. Qt's tools (moc,
# rcc, uic) are the build machine's, which is why the source must be the same release.
qt_package=qt6-base
qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
qt_flags=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_static_runtime=ON
  -DFEATURE_pkg_config=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=ON
  -DFEATURE_sql_sqlite=ON
  -DFEATURE_system_sqlite=ON
  -DFEATURE_sql_odbc=OFF
  -DFEATURE_sql_psql=OFF
  -DFEATURE_sql_mysql=OFF
  -DFEATURE_sql_oci=OFF
  -DFEATURE_sql_db2=OFF
  -DFEATURE_sql_ibase=OFF
  -DSQLite3_INCLUDE_DIR=$sqlite/include
  -DSQLite3_LIBRARY=$sqlite/lib/libsqlite3.a
  # Printing and PDF: QPrinter over Windows' own print spooler and dialogs (winspool, comdlg32).
  -DFEATURE_printsupport=ON
  -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_opengl=OFF
  -DINPUT_opengl=no
  -DFEATURE_vulkan=OFF
  -DFEATURE_freetype=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_zstd=OFF
  # The "+dfsg" source lacks the wintab headers tablet events need.
  -DFEATURE_tabletevent=OFF
  # Only the separate Direct 2D platform plugin goes; the DirectWrite font database of the
  # Windows plugin needs the Direct 2D feature itself.
  -DFEATURE_direct2d1_1=OFF
  -DFEATURE_direct2d=ON
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF
)
qt_upstream=${qt_deb_version%%+*}
# The compiler's version is part of the Qt's identity; without the compiler no Qt is found.
mingw_cxx=x86_64-w64-mingw32-g++-posix
compiler=$("$mingw_cxx" --version 2>/dev/null | head -1) || compiler=
qt_hash=$({
  printf '%s\n' "$qt_package $qt_deb_version" "${qt_flags[@]}"
  grep -v "^#" "$toolchain"
  printf '%s\n' "$compiler"
} | sha256sum | cut -c1-12)
qt=$cache/qt-$qt_upstream-mingw-$qt_hash

qt_present() { [ -n "$compiler" ] && [ -n "$qt_deb_version" ] && [ -f "$qt/.complete" ]; }

fetch_source() { # <package> <version> <folder to unpack into>
  local package=$1 version=$2
  local downloads=$cache/downloads/$package-$version
  if [ ! -f "$downloads/.complete" ]; then
    echo "Fetching Debian's $package $version source package"
    rm -rf "$downloads"
    mkdir -p "$downloads/apt/lists/partial" "$downloads/apt/cache/archives/partial"
    # A private source list and private apt folders: the machine's apt set-up stays untouched.
    qt_source_list /etc/os-release >"$downloads/apt/sources.list"
    local apt=(apt-get -q -o "Dir::Etc::sourcelist=$downloads/apt/sources.list" -o Dir::Etc::sourceparts=-
               -o "Dir::State::Lists=$downloads/apt/lists" -o "Dir::Cache=$downloads/apt/cache"
               -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    "${apt[@]}" update
    (cd "$downloads" && "${apt[@]}" source --download-only "$package=$version")
    rm -rf "$downloads/apt"
    touch "$downloads/.complete"
  fi
  dpkg-source --no-check -x "$downloads/${package}_${version#*:}.dsc" "$3" >/dev/null
}

sqlite_present() { [ -n "$sqlite_compiler" ] && [ -n "$sqlite_deb_version" ] && [ -f "$sqlite/.complete" ]; }

build_sqlite() {
  if [ -z "$sqlite_deb_version" ] || [ -z "$sqlite_compiler" ]; then
    echo "Debian's SQLite or $mingw_cc is missing (scripts/deps.sh build windows)" >&2
    return 1
  fi
  local work=$sqlite.work log=$sqlite.log
  echo "Building SQLite ${sqlite_deb_version%%-*} for Windows into $sqlite (the log is $log)"
  rm -rf "$work"
  mkdir -p "$work"
  {
    fetch_source "$sqlite_package" "$sqlite_deb_version" "$work/source" &&
      (cd "$work/source" && ./configure --disable-tcl && make sqlite3.c) &&
      "$mingw_cc" "${sqlite_defines[@]}" -c "$work/source/sqlite3.c" -o "$work/sqlite3.o" &&
      rm -rf "$sqlite" && mkdir -p "$sqlite/include" "$sqlite/lib" &&
      x86_64-w64-mingw32-ar rcs "$sqlite/lib/libsqlite3.a" "$work/sqlite3.o" &&
      cp "$work/source/sqlite3.h" "$sqlite/include/"
  } >"$log" 2>&1 || { tail -30 "$log" >&2; echo "FAILED: SQLite for Windows, see $log" >&2; return 1; }
  touch "$sqlite/.complete"
  rm -rf "$work"
}

build_qt() {
  if [ -z "$qt_deb_version" ]; then
    echo "Debian's Qt tools are missing (scripts/deps.sh build windows)" >&2
    return 1
  fi
  if [ -z "$compiler" ]; then
    echo "$mingw_cxx is missing (scripts/deps.sh build windows)" >&2
    return 1
  fi
  local work=$qt.work log=$qt.log
  local started=$SECONDS
  mkdir -p "$cache"
  echo "Building the static Qt $qt_upstream for Windows into $qt"
  echo "(about a quarter of an hour of two idle cores; the log is $log)"
  if [ ! -f "$work/source/CMakeLists.txt" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    fetch_source "$qt_package" "$qt_deb_version" "$work/source"
  fi
  # No compiler cache: Qt is built once and its precompiled headers defeat one anyway.
  {
    cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$qt" "${qt_flags[@]}" &&
      nice -n 5 cmake --build "$work/build" -j "$jobs" &&
      rm -rf "$qt" && cmake --install "$work/build"
  } >"$log" 2>&1 || { tail -30 "$log" >&2; echo "FAILED: the static Qt, see $log" >&2; return 1; }
  touch "$qt/.complete"
  rm -rf "$work"
  echo "Static Qt built in $((SECONDS - started)) s"
}

ensure_qt() {
  qt_present && return 0
  sqlite_present || ((cached_only)) || build_sqlite
  if ((cached_only)); then
    [ -n "$compiler" ] || skip "$mingw_cxx is not installed (scripts/deps.sh build windows)"
    skip "no static Qt for Windows in $qt; build it once with scripts/windows.sh (about 15 minutes of two cores)"
  fi
  build_qt
}

if [ "$mode" = qt-path ]; then
  qt_present && echo "$qt" && exit 0
  exit 1
fi
ensure_qt
[ "$mode" = qt ] && exit 0

# ---------------------------------------------------------------------------------------------
# The program, with its own CMake, against the static Qt.
version=$(sed -n 's/^project(Tavrendale VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build=$out/build
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$out"
started=$SECONDS
# The static Qt has no translation tools: lupdate and lrelease are the build machine's, as moc
# and rcc are, and so are Qt's own translations of its dialogs, which the program carries. It
# has no Qt TextToSpeech either (qt6-speech is not built for Windows here, see the README): the
# examiner's calls sound as a tone, and the window says so.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$qt" \
      -DSQLite3_INCLUDE_DIR="$sqlite/include" -DSQLite3_LIBRARY="$sqlite/lib/libsqlite3.a" \
      -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
      -DTAVRENDALE_QT_TRANSLATIONS=/usr/share/qt6/translations -DTAVRENDALE_VOICE=OFF \
      -DCMAKE_BUILD_TYPE=Release -DTAVRENDALE_BUILD_TESTS=OFF -DTAVRENDALE_BUILD_BENCH=OFF "${launcher[@]}" \
      >"$out/configure.log" 2>&1 || { cat "$out/configure.log" >&2; exit 1; }
nice -n 5 cmake --build "$build" -j "$jobs" --target tavrendale
echo "tavrendale.exe built in $((SECONDS - started)) s"

# The zip a Windows user unpacks: the program, its licence and a short read-me, with the line
# ends Notepad expects.
name=tavrendale-$version-windows-x86_64
stage=$out/$name
rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/tavrendale.exe" "$build/src/app/tavrendale.exe"
# It must run from its folder alone: Windows' own DLLs only, none of the compiler's or Qt's.
foreign=$(x86_64-w64-mingw32-objdump -p "$stage/tavrendale.exe" | foreign_dlls)
if [ -n "$foreign" ]; then
  echo "FAILED: tavrendale.exe needs DLLs a Windows machine lacks:" $foreign >&2
  exit 1
fi
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
sed "s/@VERSION@/$version/; s/$/\r/" docs/windows/README.txt >"$stage/README.txt"
(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$out/$name.zip ($(stat -c %s "$stage/tavrendale.exe") bytes of program)"

case $mode in
  test) exec "$root/tests/windows/wine-test.sh" "$stage/tavrendale.exe" "$out/test" ;;
  language-test) exec "$root/tests/windows/wine-language-test.sh" "$stage/tavrendale.exe" "$out/language-test" ;;
esac
