#!/usr/bin/env bash
# Remakes docs/main-window.png, docs/about.png and docs/context-menu.png: the
# program in Wine's virtual desktop, browsing a demo tree, with its about
# dialog open, then with the file list's menu open.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win --no-tests
. "$root/scripts/wine-env.sh"
wine_env_init "$root/build/win"
tools="$root/build/win/tools"

demo=$(mktemp -d /tmp/brisel-demo.XXXXXX)
mkdir -p "$demo/照片/2020" "$demo/Docs"
for name in readme.txt Report.TXT 图片.jpg 合同.doc notes.md; do echo demo > "$demo/$name"; done
unset DISPLAY
xvfb_start
trap 'wine_server_stop; xvfb_stop; rm -rf "$demo"' EXIT
wine_display_mode desktop
wine_server_start

(cd "$demo" && wine "$root/build/win/app/Brisel.exe" >/dev/null 2>&1 &)
wine "$tools/WaitWindow.exe" TForm1 30000 >/dev/null
sleep 1
import -window root "$root/docs/main-window.png"
echo "screenshot: $root/docs/main-window.png"

# The about button is the fifth command button: 436 + 105 / 2 across, 8 + 41 / 2 down.
wine "$tools/PostClick.exe" TForm1 488 28
wine "$tools/WaitWindow.exe" TAboutBox 10000 >/dev/null
sleep 1
import -window root "$root/docs/about.png"
echo "screenshot: $root/docs/about.png"

# A fresh start, then a right click on the file list (left 273, top 123 of
# the client area) opens its menu.
wineserver -k 2>/dev/null || true
wine_server_start
(cd "$demo" && wine "$root/build/win/app/Brisel.exe" >/dev/null 2>&1 &)
wine "$tools/WaitWindow.exe" TForm1 30000 >/dev/null
sleep 1
wine "$tools/PostClick.exe" TForm1 360 160 right
sleep 1
import -window root "$root/docs/context-menu.png"
echo "screenshot: $root/docs/context-menu.png"
