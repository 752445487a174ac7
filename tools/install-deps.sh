#!/bin/sh
# Installs the Debian packages that building, running and testing Sharpa
# need, when any is missing. As root it uses apt-get; otherwise it prints
# the command to run.
set -eu

# Build and run (Qt Print Support, for the printed tables, comes with
# qt6-base-dev); the chart's "Arial" is drawn with its metric twin.
packages="cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation"
# The chart's SVG export; its PDF export is read back in the tests by poppler.
packages="$packages qt6-svg-dev poppler-utils"
# The real-window test: its own X server, the window found by xdotool, reached over XCB.
packages="$packages xvfb xdotool libxcb1-dev"
# Translations, icons and the checks of the desktop files.
packages="$packages qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin"
packages="$packages desktop-file-utils appstream shared-mime-info"
# The Debian package (dpkg-shlibdeps finds its dependencies).
packages="$packages dpkg-dev file"
# Fuzzing and lint.
packages="$packages clang libclang-rt-14-dev clang-format clang-tidy"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
else
    echo "Sharpa needs these Debian packages:$missing"
    echo "Install them with:"
    echo "    sudo apt-get install$missing"
    exit 1
fi
