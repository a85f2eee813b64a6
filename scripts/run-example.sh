#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job on the bundled example:
# the example records printed through the example template, without a window,
# into build/example.pdf (a PDF file stands in for a printer here).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
export TAGPRESS_HOME=${TAGPRESS_HOME:-$(mktemp -d)}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build_dir/app/tagpress" --summary examples/data.csv examples/template.bcf -h
"$build_dir/app/tagpress" examples/data.csv examples/template.bcf -p -h --output="$build_dir/example.pdf"
echo "printed: $build_dir/example.pdf ($(pdfinfo "$build_dir/example.pdf" | sed -n 's/^Pages: *//p') page)"
