#!/usr/bin/env bash
# Builds the Windows targets and runs the batch benchmark under Wine
# (Xvfb with Wine's virtual desktop when there is no display). Takes minutes:
# a rename costs about 2 ms under Wine. Each case alternates the batch with
# its bare loop for several rounds and prints the median ratio and its spread.
# Usage: bench.sh [progress|extension|lower|undo|time|unicode|list|scan|large]...
# (default: all but large, which takes minutes on its own)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh win
. scripts/wine-env.sh
wine_env_init "$root/build/win"
started_xvfb=0
if [ -z "${DISPLAY:-}" ] || [ "${CI:-}" = true ]; then xvfb_start && started_xvfb=1; fi
wine_display_mode desktop
wine_server_start
status=0
cmake/wine-run.sh build/win/bench/bench.exe "$@" || status=$?
wine_server_stop
[ $started_xvfb = 1 ] && xvfb_stop
exit $status
