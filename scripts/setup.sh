#!/usr/bin/env bash
# Installs every Debian package tagpress needs to build, run and test.
# Idempotent and non-interactive; run as root on Debian 12.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  # windows, printing, bitmaps
  qt6-base-dev libcups2
  # fonts: a Song face for 宋体, OCR-B for the barcode digits, CJK fallback
  fonts-arphic-uming fonts-ocr-b fonts-noto-cjk fontconfig
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # independent barcode readers, PDF pages, a real print spooler
  zbar-tools libzxing-dev zxing-cpp-tools poppler-utils cups printer-driver-cups-pdf
  # benchmarks of whole runs
  time bc
  # screenshots of the windows
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
