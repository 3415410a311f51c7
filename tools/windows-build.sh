# The Windows cross build's folder, ready to build: the packages it needs
# and the Qt for MinGW of ../shared/qt6-mingw unpacked into it (once).
# Sourced by tools/build-windows and tools/test-windows from the project's
# folder, after tools/install-packages.sh.
windows_build=build/windows

prepare_windows_build() {
  install_packages g++-mingw-w64-x86-64-posix googletest wine64 zip
  local archive
  archive="$(pwd)/../shared/qt6-mingw/qt6.4.2-mingw-w64-x86_64.tar.xz"
  if [ ! -d "$windows_build/qt6-mingw" ]; then
    if [ ! -f "$archive" ]; then
      echo "no Qt for MinGW at $archive" >&2
      return 1
    fi
    mkdir -p "$windows_build"
    tar -xJf "$archive" -C "$windows_build"
  fi
  cmake --preset windows > /dev/null
}
