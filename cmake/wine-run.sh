#!/usr/bin/env bash
# Runs a Windows program under Wine with the ANSI code page 936, or that of
# BRISEL_LOCALE (en_US.UTF-8 gives 1252), in the time zone of the program's
# users, Asia/Shanghai, or that of BRISEL_TZ (Wine follows TZ).
# scripts/wine-env.sh prepares the prefix and starts the server once.
: "${WINEPREFIX:?set WINEPREFIX (see scripts/wine-env.sh)}"
locale=${BRISEL_LOCALE:-zh_CN.UTF-8}
export WINEDEBUG=${WINEDEBUG:--all} LC_ALL=$locale LANG=$locale TZ=${BRISEL_TZ:-Asia/Shanghai}
exec wine "$@"
