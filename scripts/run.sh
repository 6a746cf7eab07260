#!/usr/bin/env bash
# Installs, builds and starts kvhost, with the stand-in web service (kvcloud)
# on 127.0.0.1 beside it. Extra arguments go to kvhost.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

port=${KVUI_CLOUD_PORT:-8642}
export KVUI_SERVICE_URL="http://127.0.0.1:$port"
"$root/build/bin/kvcloud" --host 127.0.0.1 --port "$port" >/dev/null 2>&1 &
cloud=$!
trap 'kill "$cloud" 2>/dev/null || true' EXIT

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting kvhost under Xvfb." >&2
  xvfb-run -a -s "-screen 0 1920x1080x24" "$root/build/bin/kvhost" "$@"
else
  "$root/build/bin/kvhost" "$@"
fi
