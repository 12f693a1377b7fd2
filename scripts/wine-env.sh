# Sourced by the scripts: a Wine prefix inside the build tree, code page 936,
# Xvfb with Wine's virtual desktop when there is no display.
# Usage: wine_env_init BUILD_DIR; [xvfb_start]; wine_server_start; ...; wine_server_stop; [xvfb_stop]

wine_env_init() {
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
}

# 'desktop' = Wine's virtual desktop (faithful headless windows); 'native' = the user's display.
wine_display_mode() {
  if [ "$1" = desktop ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  else
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 宋体 /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1
  wineserver -w
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
