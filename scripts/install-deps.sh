#!/usr/bin/env bash
# Installs, with apt-get, whatever this machine lacks to build, run and test overpressure
# (Debian 12). Packages already present are left alone.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev xvfb xauth)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
