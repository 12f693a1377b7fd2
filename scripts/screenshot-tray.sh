#!/usr/bin/env bash
# Remakes docs/tray.png and docs/tray-hidden.png: the program in Wine's virtual
# desktop with its tray menu open at the icon, first with the window shown,
# then with the window hidden to the tray.
# BRISEL_BUILD=DIR uses a Windows build tree made elsewhere instead of building build/win.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRISEL_BUILD:-}
if [ -z "$build" ]; then
  bash "$root/scripts/setup.sh"
  bash "$root/scripts/build.sh" win --no-tests
  build=$root/build/win
fi
. "$root/scripts/wine-env.sh"
wine_env_init "$build"
tools="$build/tools"

demo=$(mktemp -d /tmp/brisel-demo.XXXXXX)
mkdir -p "$demo/照片" "$demo/Docs"
for name in readme.txt Report.TXT 图片.jpg notes.md; do echo demo > "$demo/$name"; done
unset DISPLAY
xvfb_start
trap 'wine_server_stop; xvfb_stop; rm -rf "$demo"' EXIT
wine_display_mode desktop
brisel_start "$build/app/Brisel.exe" "$demo" "$tools"
wine "$tools/TrayMenu.exe" TForm1
screenshot "$root/docs/tray.png"

wine "$tools/TrayMenu.exe" TForm1 hide
screenshot "$root/docs/tray-hidden.png"
