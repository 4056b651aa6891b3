#!/usr/bin/env bash
# Installs what is missing, builds the program with Debian's hardening flags in build-package/
# and makes its Debian package there; prints the package's path last.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${build_packages[@]}" "${package_packages[@]}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/tavilo_*.deb
(cd build-package && cpack >/dev/null)
ls "$PWD"/build-package/tavilo_*.deb
