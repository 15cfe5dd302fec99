#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
