#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks what the desktop needs to find the application.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
fail() { echo "install: $*" >&2; exit 1; }

[[ -x $prefix/bin/glimmerbox ]] || fail "no executable bin/glimmerbox"
entry="$prefix/share/applications/$app_id.desktop"
[[ -f $entry ]] || fail "no desktop entry named after the application id ($app_id.desktop)"
grep -qx 'Exec=glimmerbox' "$entry" || fail "the desktop entry does not start glimmerbox"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon named $icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry"
fi
# Nothing else: the tools and test programs stay in the build.
extra=$(find "$prefix" -type f | grep -v -e "/bin/glimmerbox$" -e "/applications/" -e "/icons/" || true)
[[ -z $extra ]] || fail "unexpected files installed: $extra"
echo "installed: bin/glimmerbox, $app_id.desktop, $icon.svg"
