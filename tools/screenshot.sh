#!/bin/sh
# Takes a screenshot of the real Sharpa window under Xvfb, with a settings
# file if one is given: tools/screenshot.sh OUT.png [FILE.cbp]
set -eu
for tool in xvfb-run xdotool import; do
    command -v "$tool" > /dev/null || {
        echo "$tool is missing: sudo apt-get install xvfb xdotool imagemagick"
        exit 1
    }
done
out=${1:-docs/sharpa.png}
binary=${SHARPA:-build/sharpa}
file=${2:-}
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
XDG_CONFIG_HOME=$settings xvfb-run -a -s "-screen 0 1600x900x24" sh -c "
    $binary $file > /dev/null &
    pid=\$!
    window=\$(xdotool search --sync --name '^Sharpa' | head -n 1)
    sleep 1
    import -window \"\$window\" '$out'
    kill \$pid
"
