#!/usr/bin/env bash
# Makes docs/main-window.png: the program in Wine's virtual desktop, browsing a demo tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=$(mktemp -d /tmp/brisel-demo.XXXXXX)
trap 'rm -rf "$demo"' EXIT
mkdir -p "$demo/照片/2020" "$demo/Docs"
for name in readme.txt Report.TXT 图片.jpg 合同.doc notes.md; do echo demo > "$demo/$name"; done
env -u DISPLAY SCREENSHOT="$root/docs/main-window.png" bash "$root/scripts/run.sh" "$demo"
