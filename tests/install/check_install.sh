#!/bin/sh
# Installs a build into a scratch prefix and checks it as the desktop sees it.
set -eu
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" > /dev/null
id=io.github.sharpa.Sharpa
test -x "$prefix/bin/sharpa"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop"
grep -q "^Exec=sharpa %f\$" "$prefix/share/applications/$id.desktop"
grep -q "^MimeType=application/x-sharpa-settings;\$" "$prefix/share/applications/$id.desktop"
# The file type as the desktop's MIME database reads it.
update-mime-database "$prefix/share/mime"
grep -q '^application/x-sharpa-settings:\*\.cbp$' "$prefix/share/mime/globs"
for size in scalable/apps/$id.svg 16x16/apps/$id.png 256x256/apps/$id.png; do
    test -s "$prefix/share/icons/hicolor/$size"
done
