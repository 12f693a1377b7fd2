#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test tier:
# the format check, the clang build of the Windows targets (build only),
# native (core under ASan/UBSan, then a few seconds of each fuzz target),
# win (under Wine), ui (the real .exe under Wine).
# Exits non-zero on any failure and ends with a line "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1
bash scripts/build.sh all || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }

. scripts/wine-env.sh
passed=0; failed=0; status=0
log=$root/build/test-logs; mkdir -p "$log"

# ctest prints "NN% tests passed, F tests failed out of T".
tally() {
  local line t f
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n1)
  if [ -z "$line" ]; then
    grep -q 'No tests were found' "$1" && return 0
    failed=$((failed + 1)); status=1; return
  fi
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + t - f)); failed=$((failed + f))
  [ "$f" = 0 ] || status=1
}

run_tier() {  # name dir label timeout [ctest options]
  echo "== $1 tests"
  (cd "$2" && ctest -L "$3" --output-on-failure --timeout "$4" "${@:5}") 2>&1 | tee "$log/$1.log"
  tally "$log/$1.log"
}

# One brace style across the tree, as .clang-format sets it: one test.
echo "== format"
if git ls-files '*.cpp' '*.h' | grep -v '^third_party/' | xargs clang-format-14 --dry-run --Werror 2>&1 \
    | tee "$log/format.log" | head -20 && [ ! -s "$log/format.log" ]; then
  echo "format: passed"; passed=$((passed + 1))
else
  echo "format: FAILED (run clang-format-14 -i on the files above)"; failed=$((failed + 1)); status=1
fi

# The Windows targets built once more with clang, warnings as errors: one test.
echo "== clang build"
if bash scripts/build.sh clang >"$log/clang.log" 2>&1; then
  echo "clang build: passed"; passed=$((passed + 1))
else
  grep -E ': error:|^FAILED:' "$log/clang.log" | head -20
  echo "clang build: FAILED (see $log/clang.log)"; failed=$((failed + 1)); status=1
fi

run_tier native build/native native 120

# fuzz.sh prints one "fuzz NAME: passed|FAILED" line per target (or for its build).
echo "== fuzz tests"
bash scripts/fuzz.sh 3 2>&1 | tee "$log/fuzz.log"
fuzz_failed=$(grep -c '^fuzz .*: FAILED' "$log/fuzz.log")
grep -q '^fuzz ' "$log/fuzz.log" || fuzz_failed=1
passed=$((passed + $(grep -c '^fuzz .*: passed' "$log/fuzz.log"))); failed=$((failed + fuzz_failed))
[ "$fuzz_failed" = 0 ] || status=1

wine_env_init "$root/build/win"
started_xvfb=0
if [ -z "${DISPLAY:-}" ] || [ "${CI:-}" = true ]; then xvfb_start && started_xvfb=1; fi
wine_display_mode desktop
wine_server_start
run_tier win build/win win 120
# A ui test starts a second program under Wine; once in a while Wine fails to
# start the test program itself (it ends at once with no output), so a failed
# ui test gets one more run. ctest lists every such retry in the log.
run_tier ui build/win ui 300 --repeat until-pass:2
wine_server_stop
[ $started_xvfb = 1 ] && xvfb_stop

echo
echo "$passed passed, $failed failed"
exit $status
