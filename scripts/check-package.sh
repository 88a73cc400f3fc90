#!/bin/sh
# Builds the Debian package from the default build, checks the menu entry and
# the AppStream metadata, installs the package on this machine, starts the
# installed program in an X server of its own and waits for its window, then
# removes the package again. Run after the README's build command, as root or
# with sudo.
set -eu
cd "$(dirname "$0")/.."
. scripts/xvfb.sh

if [ "$(id -u)" = 0 ]; then as_root=""; else as_root="sudo"; fi

desktop-file-validate packaging/nelin.desktop
appstreamcli validate --no-net packaging/sk.nelin.Nelin.metainfo.xml

rm -f build/nelin_*.deb
(cd build && cpack -G DEB)
package=$(ls build/nelin_*.deb)
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package"

work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq nelin >/dev/null
}
trap cleanup EXIT

start_xvfb "$work" check-package

(cd "$work" && exec env -u QT_QPA_PLATFORM /usr/bin/nelin) &
app=$!
if ! timeout 20 xdotool search --sync --onlyvisible --name '^Nelineárny elektrický systém$' >/dev/null; then
    echo "check-package: the installed program showed no window" >&2
    exit 1
fi
echo "check-package: $package installs, and the installed nelin shows its window"
