#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need (only the missing ones).
set -euo pipefail
pacotes=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libgtest-dev googletest
         libbenchmark-dev libuemf-dev xvfb xdotool openbox x11-utils imagemagick fonts-dejavu-core
         clang-14 libclang-rt-14-dev qt6-translations-l10n)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  echo "Installing: ${faltam[*]}"
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq "${faltam[@]}"
fi
