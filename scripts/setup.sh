# SPDX-FileCopyrightText: 2026 The Timburia developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/play and scripts/test: installs what building Timburia needs on Debian 12
# (as root, or through sudo), then configures and builds.

# Qt Charts needs Qt's OpenGL modules to configure, and Debian's qt6-charts-dev does not pull
# their development files in: libqt6opengl6-dev is named here for that.
PACKAGES=(cmake g++ make clang-format qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
          qt6-qpa-plugins libgl-dev libgtest-dev fonts-dejavu-core qt6-translations-l10n xvfb
          xauth x11-utils xdotool dpkg-dev file desktop-file-utils appstream groff-base lintian
          weston qt6-wayland reuse qt6-tools-dev qt6-l10n-tools)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # Another apt-get or dpkg at work holds the lock: wait for it rather than fail.
    local apt=(apt-get -o DPkg::Lock::Timeout=300)
    $sudo "${apt[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# build_into FOLDER BUILD_TYPE SANITIZE TARGET...: the game and the tests each keep a build
# folder of their own, so running one after the other does not rebuild everything. The tests
# are configured unless BUILD_TESTING=OFF is in the environment (the game alone needs neither
# GoogleTest nor the test tools).
build_into() {
    local folder=$1 type=$2 sanitize=$3
    shift 3
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE="$type" -DTIMBURIA_SANITIZE="$sanitize" \
        -DBUILD_TESTING="${BUILD_TESTING:-ON}" >/dev/null
    cmake --build "$folder" -j"$(nproc)" --target "$@"
}
