#!/bin/sh
# Takes a screenshot of the real Sharpa window under Xvfb: tools/screenshot.sh OUT.png
set -eu
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
