#!/usr/bin/env bash
# Runs a test program on a private X display without a window manager.
# Usage: run_on_xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../../scripts/xvfb-lib.sh"
start_xvfb
trap stop_xvfb EXIT
"$@"
