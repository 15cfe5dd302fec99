#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the settings program and starts it.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
exec "$BUILD_DIR/bin/Settings" "$@"
