#!/usr/bin/env bash
# Installs, builds and starts kvhost, with the stand-in web service (kvcloud)
# on 127.0.0.1 beside it. Extra arguments go to kvhost.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

port=${KVUI_CLOUD_PORT:-8642}
export KVUI_SERVICE_URL="http://127.0.0.1:$port"
# KVUI_CLOUD_DEM names a DEM (any raster GDAL reads, with a coordinate system)
# that the elevation query answers from; without it the answer is flat.
cloud_args=(--host 127.0.0.1 --port "$port")
[ -n "${KVUI_CLOUD_DEM:-}" ] && cloud_args+=(--dem "$KVUI_CLOUD_DEM")
"$root/build/bin/kvcloud" "${cloud_args[@]}" >/dev/null 2>&1 &
cloud=$!
trap 'kill "$cloud" 2>/dev/null || true' EXIT

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting kvhost under Xvfb." >&2
  xvfb-run -a -s "-screen 0 1920x1080x24" "$root/build/bin/kvhost" "$@"
else
  "$root/build/bin/kvhost" "$@"
fi
