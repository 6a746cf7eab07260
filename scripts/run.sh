#!/usr/bin/env bash
# Installs, builds and starts kvhost. Extra arguments go to kvhost.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting kvhost under Xvfb." >&2
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$root/build/bin/kvhost" "$@"
fi
exec "$root/build/bin/kvhost" "$@"
