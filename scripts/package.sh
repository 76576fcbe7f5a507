#!/usr/bin/env bash
# Builds Huemark's Debian package from build/ and checks it: lintian (no errors), the desktop
# entry and the AppStream metadata validated. With --install-check (as root) it also installs
# the package, runs the installed program end to end, and removes the package again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

out="$root/build/package"
rm -rf "$out"
cmake --build build --target huemark_screenshots >/dev/null
cpack --config build/CPackConfig.cmake -B "$out" >/dev/null
deb=$(ls "$out"/huemark_*.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"

# Lintian may not run as root without saying so; errors fail, warnings are shown.
lintian --allow-root --fail-on error "$deb"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
# The desktop entry without a warning or hint.
said=$(desktop-file-validate "$stage"/usr/share/applications/*.desktop 2>&1) || { echo "$said" >&2; exit 1; }
if [ -n "$said" ]; then
    echo "package: desktop-file-validate is not silent:" >&2
    echo "$said" >&2
    exit 1
fi
# The metadata with every hint shown: no error or warning, and no info or pedantic hint beyond
# three known ones. The id's domain is a placeholder (cid-maybe-not-rdns); the id has its capital
# since desktops, Wayland and stored permissions know it by it (cid-contains-uppercase-letter);
# <developer> is AppStream 1.0's, which Debian 12's AppStream 0.16 does not know yet (unknown-tag).
metainfo=$(ls "$stage"/usr/share/metainfo/*.metainfo.xml)
said=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || { echo "$said" >&2; exit 1; }
unexpected=$(echo "$said" | grep -E '^[EWIP]: ' |
    grep -v -E ': (cid-maybe-not-rdns|cid-contains-uppercase-letter) |: unknown-tag developer$' || true)
if [ -n "$unexpected" ]; then
    echo "package: appstreamcli validate --pedantic says:" >&2
    echo "$unexpected" >&2
    exit 1
fi
# Every screenshot the metadata names is installed with the program.
for shot in $(grep -o 'screenshots/[a-z-]*\.png' "$metainfo"); do
    if [ ! -s "$stage/usr/share/huemark/$shot" ]; then
        echo "package: the metadata names $shot, which the package does not hold" >&2
        exit 1
    fi
done
echo "package: lintian, desktop-file-validate and appstreamcli validate --pedantic pass"

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
