#!/usr/bin/env bash
# Remakes docs/main-window.png, docs/about.png, docs/context-menu.png,
# docs/confirmation.png and docs/failure-report.png: the program in Wine's
# virtual desktop, browsing a demo tree, with its about dialog open, then with
# the file list's menu open, then asking to change every extension, then
# reporting the files whose new name another file holds already.
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
# Out of the file list's sight: two files whose name with the extension
# ".html" (the one the window shows) is taken, for the failure report.
for name in Docs/说明.txt Docs/说明.html 照片/2020/合影.jpg 照片/2020/合影.html; do echo demo > "$demo/$name"; done
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

# A fresh start, then the second command button (112 + 105 / 2 across) asks
# whether to change the extension of every file under the demo tree.
wineserver -k 2>/dev/null || true
wine_server_start
(cd "$demo" && wine "$root/build/win/app/Brisel.exe" >/dev/null 2>&1 &)
wine "$tools/WaitWindow.exe" TForm1 30000 >/dev/null
sleep 1
wine "$tools/PostClick.exe" TForm1 164 28
wine "$tools/WaitWindow.exe" TMessageForm 10000 >/dev/null
sleep 1
import -window root "$root/docs/confirmation.png"
echo "screenshot: $root/docs/confirmation.png"

# Yes: the batch runs, and the two taken names end it with the failure report.
wine "$tools/PressButton.exe" TMessageForm '是[Y]'
wine "$tools/WaitWindow.exe" '#32770' 30000 >/dev/null
sleep 1
import -window root "$root/docs/failure-report.png"
echo "screenshot: $root/docs/failure-report.png"
