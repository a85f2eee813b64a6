#!/usr/bin/env bash
# Sets everything up, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
export TAGPRESS_HOME=${TAGPRESS_HOME:-$(mktemp -d)}
ctest --test-dir "$build_dir" --output-on-failure -j "${JOBS:-2}"
