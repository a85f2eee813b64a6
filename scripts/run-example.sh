#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
export TAGPRESS_HOME=${TAGPRESS_HOME:-$(mktemp -d)}
"$build_dir/app/tagpress" --summary examples/data.csv examples/template.bcf -h
