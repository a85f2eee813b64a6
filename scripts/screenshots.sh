#!/usr/bin/env bash
# Takes the README's screenshots of the main window (docs/design-page.png,
# docs/data-page.png, docs/layout-page.png) under a
# virtual X server, with the bundled example template and data.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" --target tagpress_screenshots
xvfb-run -a -s "-screen 0 1400x900x24" "$build_dir/tools/tagpress_screenshots" examples docs
