#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12.
# Safe to run again: it only does what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake make ninja-build g++ googletest libgtest-dev pkg-config clang clang-format-14 libclang-rt-14-dev
  clang-14 lld-14 llvm-14
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 fonts-wine fonts-wqy-zenhei
  xvfb xauth x11-utils imagemagick
  locales nasm dpkg-dev python3
)

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Source entries for apt-get source: derived from the machine's own binary entries.
enable_deb_src() {
  local changed=0 f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    if grep -q '^Types: deb$' "$f" && grep -qi 'debian' "$f"; then
      sudo_ sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"; changed=1
    fi
  done
  if [ -f /etc/apt/sources.list ] && grep -qE '^deb .*debian' /etc/apt/sources.list \
     && ! grep -qE '^deb-src ' /etc/apt/sources.list; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
      | sudo_ tee -a /etc/apt/sources.list >/dev/null; changed=1
  fi
  echo $changed
}

need_update=0
[ "$(enable_deb_src)" = 1 ] && need_update=1
[ ${#missing[@]} -gt 0 ] && need_update=1
[ -d "$here/third_party/libjpeg-turbo" ] || need_update=1

if [ $need_update = 1 ]; then
  sudo_ apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# zh_CN.UTF-8 makes Wine's ANSI code page 936 (GBK); en_US.UTF-8 gives 1252 for the tests that need it.
for loc in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
    sudo_ sed -i "s/^# *$loc.UTF-8 UTF-8/$loc.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | sudo_ tee -a /etc/locale.gen >/dev/null
    sudo_ locale-gen >/dev/null
  fi
done

# libjpeg-turbo source, kept out of git.
if [ ! -d "$here/third_party/libjpeg-turbo" ]; then
  mkdir -p "$here/third_party/src"
  (cd "$here/third_party/src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  src=$(find "$here/third_party/src" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  [ -n "$src" ] || { echo "setup: libjpeg-turbo source not found" >&2; exit 1; }
  mv "$src" "$here/third_party/libjpeg-turbo"
  rm -rf "$here/third_party/src"
fi
echo "setup: ok"
