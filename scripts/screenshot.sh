#!/usr/bin/env bash
# Remakes docs/main-window.png, docs/about.png, docs/context-menu.png,
# docs/confirmation.png, docs/failure-report.png, docs/main-window-144dpi.png and
# docs/main-window-cp1252.png:
# the program in Wine's virtual desktop, browsing a demo tree, with its about
# dialog open, then with the file list's menu open, then asking to change every
# extension, then reporting the files whose new name another file holds
# already. The main window is also taken at 144 DPI (150 %) and under code page 1252.
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
trap 'wine_server_stop; wine_dpi_restore; xvfb_stop; rm -rf "$demo"' EXIT
wine_display_mode desktop
exe="$root/build/win/app/Brisel.exe"
docs="$root/docs"

brisel_start "$exe" "$demo" "$tools"
screenshot "$docs/main-window.png"

# The about button is the fifth command button: 436 + 105 / 2 across, 8 + 41 / 2 down.
wine "$tools/PostClick.exe" TForm1 488 28
wine "$tools/WaitWindow.exe" TAboutBox 10000 >/dev/null
screenshot "$docs/about.png"

# A fresh start at 144 DPI, then the prefix's own DPI again for the rest.
wine_dpi_set 144
brisel_start "$exe" "$demo" "$tools"
screenshot "$docs/main-window-144dpi.png"
wine_dpi_restore

# A fresh start under code page 1252, as on an English Windows: the same texts and names.
(
  export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8
  brisel_start "$exe" "$demo" "$tools"
  screenshot "$docs/main-window-cp1252.png"
)

# A fresh start, then a right click on the file list (left 273, top 123 of
# the client area) opens its menu.
brisel_start "$exe" "$demo" "$tools"
wine "$tools/PostClick.exe" TForm1 360 160 right
screenshot "$docs/context-menu.png"

# A fresh start, then the second command button (112 + 105 / 2 across) asks
# whether to change the extension of every file under the demo tree.
brisel_start "$exe" "$demo" "$tools"
wine "$tools/PostClick.exe" TForm1 164 28
wine "$tools/WaitWindow.exe" TMessageForm 10000 >/dev/null
screenshot "$docs/confirmation.png"

# Yes: the batch runs, and the two taken names end it with the failure report.
wine "$tools/PressButton.exe" TMessageForm '是[Y]'
wine "$tools/WaitWindow.exe" '#32770' 30000 >/dev/null
screenshot "$docs/failure-report.png"
