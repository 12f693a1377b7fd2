#!/usr/bin/env bash
# Builds the core's libFuzzer targets (build/fuzz, clang) and runs each for the
# given seconds, one after another. Usage: fuzz.sh [seconds]   (default 60)
# Prints one line per target, "fuzz NAME: passed|FAILED, N executions", and
# exits non-zero when a target fails; its input is kept in build/fuzz/findings.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz
gen=(); command -v ninja >/dev/null && gen=(-G Ninja)

cmake -S "$root" -B "$build" "${gen[@]}" -DBRISEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null &&
  cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1 ||
  { cat "$build/build.log" 2>/dev/null; echo "fuzz build: FAILED"; exit 1; }

findings=$build/findings; mkdir -p "$findings"
status=0
for name in utf8 extension case datetime pathshortening; do
  # libFuzzer adds what it finds to the corpus: work on a copy.
  corpus=$(mktemp -d)
  [ -d "$root/tests/fuzz/corpus/$name" ] && cp "$root/tests/fuzz/corpus/$name"/* "$corpus"/
  log=$findings/$name.log
  # Paths stay under a few hundred bytes; a hang counts as a failure.
  "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=512 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/$name-" "$corpus" >"$log" 2>&1
  rc=$?
  rm -rf "$corpus"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  if [ $rc = 0 ]; then
    echo "fuzz $name: passed, ${execs:-?} executions"
  else
    status=1
    echo "fuzz $name: FAILED, ${execs:-?} executions (exit $rc, log $log)"
    grep -E 'check failed|^  "|ERROR: |SUMMARY: |Test unit written' "$log" | head -n 20
  fi
done
exit $status
