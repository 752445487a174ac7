#!/bin/sh
# Installs a build into a scratch prefix and checks that the desktop sees a
# well-formed application there: binary, desktop entry, metainfo and icons.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
share=$prefix/share
id=io.github.sharpa.Sharpa

test -x "$prefix/bin/sharpa"
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml"
test -s "$share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x$size/apps/$id.png"
done
grep -q "^Icon=$id\$" "$share/applications/$id.desktop"
echo "installed files check out under $prefix"
