#!/usr/bin/env bash
# Runs a Windows program under Wine with the ANSI code page 936.
# scripts/wine-env.sh prepares the prefix and starts the server once.
: "${WINEPREFIX:?set WINEPREFIX (see scripts/wine-env.sh)}"
export WINEDEBUG=${WINEDEBUG:--all} LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
exec wine "$@"
