# Installs the Debian packages the build needs when any is missing (as root).
packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev
          libbenchmark-dev libcli11-dev fonts-liberation clang libclang-rt-14-dev)

# Further packages may be named: install_packages g++-mingw-w64-x86-64-posix.
install_packages() {
  local missing=()
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    return 1
  fi
  echo "installing: ${missing[*]}" >&2
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}
