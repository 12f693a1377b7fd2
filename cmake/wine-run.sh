#!/usr/bin/env bash
# Runs a Windows program under Wine with the ANSI code page 936, or that of
# BRISEL_LOCALE (en_US.UTF-8 gives 1252).
# scripts/wine-env.sh prepares the prefix and starts the server once.
: "${WINEPREFIX:?set WINEPREFIX (see scripts/wine-env.sh)}"
locale=${BRISEL_LOCALE:-zh_CN.UTF-8}
export WINEDEBUG=${WINEDEBUG:--all} LC_ALL=$locale LANG=$locale
exec wine "$@"
