#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need. Quiet and quick when
# everything is present; runs apt-get update first otherwise, since a fresh machine's package
# lists may be empty. A package that cannot be installed stops the set-up with an error.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
    qt6-translations-l10n libqt6svg6 libeigen3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-mincho fonts-ipafont-gothic
    ngspice python3-scikit-rf
    xvfb xauth xdotool imagemagick poppler-utils librsvg2-bin
    desktop-file-utils appstream shared-mime-info x11-utils dpkg-dev lintian
    clang-format clang-tidy locales time
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
