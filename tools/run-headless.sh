#!/usr/bin/env bash
# Runs the editor on a virtual display (called by run.sh inside xvfb-run):
#   run-headless.sh <KestrelEditor> <screenshot.png> <capture.png>
# Starts the editor on the capture as the capture program would, waits until it shows,
# saves a picture of the screen, ends the editor and says where the picture is.
set -uo pipefail
exe=$1
picture=$2
capture=$3
build=$(cd "$(dirname "$exe")" && pwd)
shooter="$build/tools/kestrel_screenshot"
export QT_QPA_PLATFORM=xcb

"$exe" /path "$capture" /point 100 100 &
editor=$!

"$shooter" "$picture" 20
shot=$?

# End the editor the way the capture program does, through the local channel.
"$exe" /kill >/dev/null 2>&1
for _ in $(seq 1 50); do
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$editor" 2>/dev/null; then
    kill "$editor" 2>/dev/null
fi
wait "$editor" 2>/dev/null

case $shot in
    0) echo "Screenshot of the editor: $picture" ;;
    1) echo "The editor did not show within 20 s; screenshot of the screen: $picture"; exit 1 ;;
    *) echo "Could not take a screenshot." >&2; exit 1 ;;
esac
