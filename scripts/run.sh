#!/usr/bin/env bash
# Builds the program and starts it under Wine with the ANSI code page 936.
# With DISPLAY set it opens in your display; without one it runs in Xvfb with
# Wine's virtual desktop, saves a screenshot once the window is shown, prints
# its path and closes the program.
# Usage: run.sh [DIRECTORY]   (the directory the program starts in; default: here)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start_dir=$(cd "${1:-$PWD}" && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win --no-tests
. "$root/scripts/wine-env.sh"
wine_env_init "$root/build/win"
exe="$root/build/win/app/Brisel.exe"
waiter="$root/build/win/tools/WaitWindow.exe"

if [ -n "${DISPLAY:-}" ]; then
  wine_display_mode native
  cd "$start_dir" && exec wine "$exe"
fi

shot=${SCREENSHOT:-$root/build/screenshot.png}
xvfb_start
trap 'wine_server_stop; xvfb_stop' EXIT
wine_display_mode desktop
wine_server_start
(cd "$start_dir" && wine "$exe" >/dev/null 2>&1 &)
ms=$(wine "$waiter" TForm1 30000 | tr -d '\r')
echo "window shown after ${ms} ms"
sleep 1
import -window root "$shot"
echo "screenshot: $shot"
