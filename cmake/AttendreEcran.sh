#!/bin/sh
# Runs a command once the X display answers: xvfb-run does not always wait until its server is up.
i=0
while [ "$i" -lt 100 ] && ! xdpyinfo >/dev/null 2>&1; do
    sleep 0.1
    i=$((i + 1))
done
exec "$@"
