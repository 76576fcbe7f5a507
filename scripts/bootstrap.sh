#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Huemark need.
# Idempotent: when everything is present it installs nothing and says so.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb1-dev libtiff-dev
    libcups2-dev
    # the translations: Qt's tools make the program's, gettext the desktop entry's; Qt's own texts
    # in every language, and a font with Japanese glyphs
    qt6-l10n-tools qt6-translations-l10n gettext fonts-ipafont-gothic
    # picture formats beyond Qt's own readers, and colour profiles: headers only, the libraries
    # are opened when a picture needs them
    libheif-dev libjxl-dev liblcms2-dev zlib1g-dev
    # a large PNG's and WebP's first looks decode with libpng and libwebp themselves, the PNG's
    # chunks checked with libdeflate's checksum
    libpng-dev libwebp-dev libdeflate-dev
    # runtime: image readers (GIF, JPEG, ICO/CUR), platform plugins, fonts
    qt6-image-formats-plugins qt6-qpa-plugins libqt6svg6 fonts-liberation fonts-dejavu-core
    # tests and benchmarks
    libbenchmark-dev libjpeg-turbo-progs clang libclang-rt-14-dev
    xvfb xdotool xclip x11-utils imagemagick poppler-utils openbox wmctrl libxcb1-dev weston qt6-wayland
    dbus dbus-x11 at-spi2-core python3-gi gir1.2-atspi-2.0
    # the languages case measures the controls' texts with Pango in the fonts fontconfig names
    gir1.2-pango-1.0 fontconfig
    cups cups-client cups-bsd printer-driver-cups-pdf
    # the screen capture: MIT-SHM for X11; a wlroots desktop with its screenshot portal, clipboard
    # and keyboard tools for the Wayland session
    libxcb-shm0-dev libxcb-damage0-dev
    # the screen check's gamma ramps (RandR)
    libxcb-randr0-dev
    # the pick benchmark presses the shortcut through XTest (Xlib and libXtst)
    libx11-dev libxtst6
    sway swaybg grim xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk wl-clipboard wtype
    # a headless GNOME Shell session with its screenshot portal, which asks the user first
    gnome-shell xdg-desktop-portal-gnome
    # a headless KDE Plasma session: KWin, KDE's screenshot portal with the Qt 5 pieces its
    # dialogs load (it fails every screenshot without them), and the tool that tells KWin of a
    # new desktop entry
    kwin-wayland xdg-desktop-portal-kde qtwayland5 plasma-workspace qml-module-qtquick-layouts
    qml-module-qtquick-controls2 qml-module-org-kde-kirigami2 libkf5service-bin adwaita-icon-theme
    # the screen pick on two X11 monitors: Xorg's dummy driver, whose outputs xrandr places
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
    # picture fixtures, expected colours and the reference decoders of the loading benchmark
    webp libheif-examples libjxl-tools liblcms2-utils netpbm libtiff-tools
    # the list formats read back independently: tinycss2 with Python, the npm readers of the
    # binary palettes (shipped in tests/palette/npm) with Node
    python3-tinycss2 nodejs
    # the first look's decoder (libjpeg-turbo), and the viewers its benchmark compares with
    libjpeg-dev feh eog
    # the screen pick's benchmark compares with gpick's one-gesture pick
    gpick
    # packaging checks
    dpkg-dev lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "bootstrap: all packages present"
    exit 0
fi

echo "bootstrap: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
