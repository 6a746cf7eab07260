#!/usr/bin/env bash
# Installs, builds and runs the whole test suite under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root/build"
# One X server for the whole run: the tests open real windows.
exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j 2 --timeout 600
