#!/bin/sh
# Builds the Debian package from the default build, checks the menu entry and
# the AppStream metadata, installs the package on this machine, starts the
# installed program in an X server of its own and waits for its window, then
# removes the package again. Run after the README's build command, as root or
# with sudo.
set -eu
cd "$(dirname "$0")/.."

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
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq nelin >/dev/null
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1300x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
    echo "check-package: Xvfb could not be started" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

(cd "$work" && exec env -u QT_QPA_PLATFORM /usr/bin/nelin) &
app=$!
if ! timeout 20 xdotool search --sync --onlyvisible --name '^Nelineárny elektrický systém$' >/dev/null; then
    echo "check-package: the installed program showed no window" >&2
    exit 1
fi
echo "check-package: $package installs, and the installed nelin shows its window"
