#!/usr/bin/env bash
# Installs the Debian packages that are missing (through sudo when not root).
# Usage: scripts/install-deps.sh [build|test]...
set -euo pipefail

build=(cmake ninja-build g++ pkg-config ccache clang-format qt6-base-dev qt6-svg-dev qcoro-qt6-dev qt6-httpserver-dev
       libgtest-dev libgmock-dev libbenchmark-dev libxcb-xinput-dev fonts-material-design-icons-iconfont
       fonts-dejavu-core dbus)
test=(xvfb xauth dbus trayer dunst xdotool xcompmgr imagemagick x11-utils)

wanted=()
for group in "${@:-build}"; do
    case "$group" in
        build) wanted+=("${build[@]}") ;;
        test) wanted+=("${build[@]}" "${test[@]}") ;;
        *) echo "unknown package group: $group" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    # A Debian installed with a root password has no sudo.
    command -v sudo >/dev/null || { echo "Missing packages: ${missing[*]}; install them as root" >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# sudo resets the environment, so the front end is passed through env.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
