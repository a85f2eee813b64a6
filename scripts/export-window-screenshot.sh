#!/usr/bin/env bash
# Takes the README's picture of the image export window (docs/export-window.png)
# under a virtual X server, with the bundled example template and data.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" --target tagpress_export_window_screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1400x900x24" "$build_dir/tools/export_window/tagpress_export_window_screenshot" \
  examples docs/export-window.png
