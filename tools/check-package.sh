#!/bin/sh
# The .deb holds the program and everything the desktop needs to offer it.
set -eu
deb=$1
files=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
id=io.github.sharpa.Sharpa
for file in ./usr/bin/sharpa ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/mime/packages/$id.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/256x256/apps/$id.png; do
    echo "$files" | grep -qx "$file" || { echo "$deb lacks $file"; exit 1; }
done
dpkg-deb --field "$deb" Package | grep -qx sharpa
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6
echo "$deb: $(echo "$files" | grep -c .) entries, the program, desktop entry, metainfo, MIME type and icons"
