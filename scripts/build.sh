#!/usr/bin/env bash
# Builds the native core with its tests (build/native) and the Windows
# program with its tests (build/win). Usage: build.sh [native|win|all|clang] [--no-tests]
# "clang" builds the same Windows targets with clang and lld into build/clang,
# warnings as errors: a build-only check, not part of "all".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
tests=ON; [ "${2:-}" = --no-tests ] && tests=OFF
jobs=$(nproc)
gen=(); command -v ninja >/dev/null && gen=(-G Ninja)

if [ "$what" = native ] || [ "$what" = all ]; then
  cmake -S "$root" -B "$root/build/native" "${gen[@]}" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$root/build/native" -j "$jobs"
fi
if [ "$what" = win ] || [ "$what" = all ]; then
  cmake -S "$root" -B "$root/build/win" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DBUILD_TESTING_WIN=$tests >/dev/null
  if [ $tests = ON ]; then
    cmake --build "$root/build/win" -j "$jobs"
  else
    cmake --build "$root/build/win" -j "$jobs" --target Brisel WaitWindow PostClick PressButton TrayMenu
  fi
fi
if [ "$what" = clang ]; then
  cmake -S "$root" -B "$root/build/clang" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/clang-mingw-w64-x86_64.cmake" -DBUILD_TESTING_WIN=$tests \
    -DBRISEL_WERROR=ON >/dev/null
  cmake --build "$root/build/clang" -j "$jobs"
fi
