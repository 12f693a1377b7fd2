# Sourced by the scripts: a Wine prefix inside the build tree, code page 936,
# the time zone of the program's users (Wine follows TZ; cmake/wine-run.sh
# sets it for each test run), Xvfb with Wine's virtual desktop when there is
# no display.
# Usage: wine_env_init BUILD_DIR; [xvfb_start]; wine_server_start; ...; wine_server_stop; [xvfb_stop]

wine_env_init() {
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=" \
    TZ=${BRISEL_TZ:-Asia/Shanghai}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
  wine_fonts_setup
}

# Fonts, measured under Wine 8 (tests/win/FontTest.cpp checks the outcome):
# - Chinese text is asked for by "宋体" (the forms), SimSun ("MS Shell Dlg", so the
#   caption, menu and status fonts, and the font links of Tahoma and others),
#   NSimSun and 新宋体. None exists here; each is replaced by the bitmap strikes of
#   'WenQuanYi Zen Hei Sharp'. The outline 'WenQuanYi Zen Hei' drops one-pixel
#   horizontal strokes at 12 px (no hyphen, "写" drawn as "与"). Known cost: Wine
#   measures text by the outlines but draws the strikes, whose advances differ
#   for most ASCII characters (space 4/6 px, "(" 4/6, "m" 10/8): Latin text can
#   end a pixel or two off where it was measured to end.
# - Marlett (the caption buttons' glyphs) and MS Sans Serif come with fonts-wine,
#   but this Wine does not load its own font folder: they are linked into the
#   prefix's Fonts folder, where its registry expects them. The other fonts there
#   are left out on purpose: their System font has no Chinese glyphs and no font
#   link, so the stock system font would draw Chinese as boxes.
# Applied to new and existing prefixes alike; the registry part only when the
# prefix's record of it differs.
BRISEL_CHINESE_FACE='WenQuanYi Zen Hei Sharp'
BRISEL_CHINESE_NAMES=(宋体 新宋体 SimSun NSimSun)

wine_fonts_setup() {
  local dir="$WINEPREFIX/drive_c/windows/Fonts" record="$WINEPREFIX/brisel-fonts" want f n ok=1
  mkdir -p "$dir"
  for f in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/ms_sans_serif.ttf \
           /usr/share/wine/fonts/sserif*.fon /usr/share/wine/fonts/ssef*.fon /usr/share/wine/fonts/ssee*.fon; do
    [ -e "$f" ] && ln -sfn "$f" "$dir/${f##*/}"
  done
  want="Replacements ${BRISEL_CHINESE_NAMES[*]} = $BRISEL_CHINESE_FACE"
  [ "$(cat "$record" 2>/dev/null)" = "$want" ] && return 0
  wine reg delete 'HKCU\Software\Wine\Fonts\Replacements' /f >/dev/null 2>&1 </dev/null || true
  for n in "${BRISEL_CHINESE_NAMES[@]}"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$n" /d "$BRISEL_CHINESE_FACE" /f \
      >/dev/null 2>&1 </dev/null || ok=0
  done
  wineserver -w
  [ $ok = 1 ] && echo "$want" > "$record"
  return 0
}

# 'desktop' = Wine's virtual desktop (faithful headless windows); 'native' = the user's display.
wine_display_mode() {
  if [ "$1" = desktop ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wineserver -w
}

# The prefix's screen DPI (HKCU\Control Panel\Desktop LogPixels), which a
# program reads when it starts: wine_dpi_set N sets it, wine_dpi_restore puts
# back what the prefix had. Each runs under a server of its own, which saves
# the registry when it ends.
wine_dpi_set() {  # dpi
  local key='HKCU\Control Panel\Desktop'
  wineserver -k 2>/dev/null || true
  BRISEL_DPI_SAVED=$( (wine reg query "$key" /v LogPixels 2>/dev/null </dev/null || true) |
    awk '$1 == "LogPixels" {print $3}' | tr -d '\r')
  BRISEL_DPI_SET=1
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null
  wineserver -w
}
wine_dpi_restore() {
  local key='HKCU\Control Panel\Desktop'
  [ -n "${BRISEL_DPI_SET:-}" ] || return 0
  wineserver -k 2>/dev/null || true
  if [ -n "$BRISEL_DPI_SAVED" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d $((BRISEL_DPI_SAVED)) /f >/dev/null 2>&1 </dev/null
  else
    wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 </dev/null || true
  fi
  wineserver -w
  BRISEL_DPI_SET=
}

xvfb_start() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

xvfb_stop() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=; }

# Start the server and services once, detached, so each test start is cheap.
wine_server_start() {
  setsid -w sh -c 'wineserver -p; wine cmd /c exit' >/dev/null 2>&1 </dev/null
}

wine_server_stop() { wineserver -k 2>/dev/null || true; }

# For the screenshot scripts: starts exe in folder under a fresh wineserver
# and waits for the main window; then screenshot saves the virtual desktop.
brisel_start() {  # exe folder tools
  wineserver -k 2>/dev/null || true
  wine_server_start
  (cd "$2" && wine "$1" >/dev/null 2>&1 &)
  wine "$3/WaitWindow.exe" TForm1 30000 >/dev/null
  sleep 1
}
screenshot() {  # png
  sleep 1
  import -window root "$1"
  echo "screenshot: $1"
}
