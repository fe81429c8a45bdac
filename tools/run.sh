#!/usr/bin/env bash
# Starts the editor on the bundled sample capture, as the capture program would.
# Without a display it runs under Xvfb and saves a screenshot to <build>/run-screenshot.png.
set -euo pipefail
build=${1:-build}
exe="$build/KestrelEditor"
capture_dir="${TMPDIR:-/tmp}/Norvane/KesTempStorage"
mkdir -p "$capture_dir"
chmod 700 "$capture_dir"
sample="$capture_dir/sample-$(date +%Y%m%d%H%M%S).png"
cp res/sample-capture.png "$sample"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$exe" /path "$sample" /point 100 100
fi
echo "No display: running under Xvfb."
exec xvfb-run -a -s "-screen 0 1600x1000x24" tools/run-headless.sh "$exe" "$build/run-screenshot.png" "$sample"
