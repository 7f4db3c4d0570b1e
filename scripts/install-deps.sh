#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need, when missing.
# Usage: scripts/install-deps.sh [build|all]   (default all)
#   build: only what the product build needs, so that ./test.sh can start compiling while the
#          rest installs (most of the install is waiting on downloads and unpacking, one core).
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev)
check_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core
  at-spi2-core dbus-daemon dbus-session-bus-common python3-dbus
  locales-all
  clang-tidy clang-format python3
  dpkg-dev file appstream desktop-file-utils
  lintian libxml2-utils shared-mime-info man-db groff-base
  clang libclang-rt-14-dev llvm valgrind
)
case "${1:-all}" in
  build) packages=("${build_packages[@]}") ;;
  all) packages=("${build_packages[@]}" "${check_packages[@]}") ;;
  *) echo "usage: $0 [build|all]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
