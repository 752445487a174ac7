#!/bin/sh
# Takes a screenshot of the real Sharpa window under Xvfb: tools/screenshot.sh OUT.png
set -eu
for tool in xvfb-run xdotool import; do
    command -v "$tool" > /dev/null || {
        echo "$tool is missing: sudo apt-get install xvfb xdotool imagemagick"
        exit 1
    }
done
out=${1:-docs/sharpa.png}
binary=${SHARPA:-build/sharpa}
xvfb-run -a -s "-screen 0 1024x800x24" sh -c "
    $binary > /dev/null &
    pid=\$!
    window=\$(xdotool search --sync --name '^Sharpa\$' | head -n 1)
    sleep 1
    import -window \"\$window\" '$out'
    kill \$pid
"
