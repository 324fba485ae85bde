#!/usr/bin/env bash
# Installs, with apt-get, whatever this machine lacks to build, run, test and package overpressure
# (Debian 12), and generates the locales the tests run under. Packages already present and locales
# already generated are left alone, so running it twice changes nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev qt6-translations-l10n   # build and run
    libgtest-dev libbenchmark-dev xvfb xauth                   # tests, benchmarks, screenshots
    locales                                                    # the users' locales, for the tests
    poppler-utils desktop-file-utils appstream man-db          # checks of the PDF, desktop files, manual
    file dpkg-dev                                              # cpack: library dependencies of the package
    clang-format                                               # the formatting check
)
locales=(ru_RU.UTF-8 en_US.UTF-8 de_DE.UTF-8 uk_UA.UTF-8)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale counts as generated when `locale -a` lists it (it spells UTF-8 as "utf8").
absent=()
for name in "${locales[@]}"; do
    locale -a | grep -qix "${name%.UTF-8}.utf8" || absent+=("$name")
done
if [ ${#absent[@]} -gt 0 ]; then
    echo "Generating locales: ${absent[*]}"
    for name in "${absent[@]}"; do
        grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null ||
            echo "$name UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen
fi
