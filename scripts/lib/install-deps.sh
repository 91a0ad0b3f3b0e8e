# shellcheck shell=bash
# Installs the Debian packages a script needs, only when something is missing.
# Usage: install_deps <group>...
#   groups: native, build-windows, wine, wine32, fuzz, qemu, package
# wine32 (32-bit Wine, for the 32-bit executables) is for machines whose kernel runs 32-bit
# programs; it adds the i386 architecture to dpkg first.
_velmora_packages() {
  case "$1" in
    native) echo "cmake ninja-build g++ g++-multilib libgtest-dev googletest clang-format shellcheck shfmt" ;;
    build-windows) echo "cmake ninja-build g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64 mingw-w64-tools googletest" ;;
    wine) echo "wine64 wine fonts-wine xvfb xauth xdotool imagemagick" ;;
    wine32) echo "wine32:i386" ;;
    fuzz) echo "clang libclang-rt-14-dev" ;;
    qemu) echo "qemu-user" ;;
    package) echo "zip unzip" ;;
  esac
}

install_deps() {
  local missing=() pkg group
  for group in "$@"; do
    for pkg in $(_velmora_packages "$group"); do
      dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${#missing[@]} packages with their dependencies (about a minute on a fresh machine):"
  echo "  ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 || return 1
  fi
  apt-get update -qq
  # A line every 25 packages set up, so that a long install shows it is moving.
  apt-get install -y -q --no-install-recommends "${missing[@]}" 2>&1 |
    awk '/^Setting up/ && ++n % 25 == 0 { printf "  %d packages set up\n", n; fflush() }
         /^E:/ { print; fflush() }'
  local statuses=("${PIPESTATUS[@]}")
  [ "${statuses[0]}" -eq 0 ]
}
