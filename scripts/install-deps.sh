#!/bin/sh
# Installs the Debian packages that building and testing nelin need, when any
# is missing, and the Slovak locale that the tests switch to.
set -eu

PACKAGES="cmake ninja-build g++ qt6-base-dev libqcustomplot-dev libgtest-dev libbenchmark-dev
fonts-liberation2 fonts-dejavu-core locales
xvfb xdotool xclip imagemagick clang libclang-rt-14-dev desktop-file-utils appstream"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done

if [ "$(id -u)" = 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    as_root="none"
fi

if [ -n "$missing" ]; then
    if [ "$as_root" = none ]; then
        echo "Missing packages; install them as root with:" >&2
        echo "  apt-get update && apt-get install -y$missing" >&2
        exit 1
    fi
    echo "Installing:$missing"
    $as_root apt-get update -qq
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi

# A locale with a decimal comma, to show that numbers ignore the locale.
if ! locale -a 2>/dev/null | grep -qi '^sk_SK\.utf-*8$'; then
    if [ "$as_root" = none ]; then
        echo "Missing locale; make it as root with: localedef -i sk_SK -f UTF-8 sk_SK.UTF-8" >&2
        exit 1
    fi
    $as_root localedef -i sk_SK -f UTF-8 sk_SK.UTF-8
fi
