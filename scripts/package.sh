#!/usr/bin/env bash
# Builds Huemark's Debian package from build/ and checks it: lintian (no errors), the desktop
# entry and the AppStream metadata validated. With --install-check (as root) it also installs
# the package, runs the installed program end to end, and removes the package again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

out="$root/build/package"
rm -rf "$out"
cpack --config build/CPackConfig.cmake -B "$out" >/dev/null
deb=$(ls "$out"/huemark_*.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"

# Lintian may not run as root without saying so; errors fail, warnings are shown.
lintian --allow-root --fail-on error "$deb"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml >/dev/null
echo "package: lintian, desktop-file-validate and appstreamcli pass"

if [ "${1:-}" = "--install-check" ]; then
    if dpkg-query -W -f='${Status}' huemark 2>/dev/null | grep -q "install ok installed"; then
        echo "package: huemark is installed already; not touching it" >&2
        exit 1
    fi
    dpkg -i "$deb" >/dev/null
    status=0
    /usr/bin/python3 tests/e2e/run_e2e.py --binary /usr/bin/huemark --case installed || status=$?
    dpkg -r huemark >/dev/null
    exit $status
fi
