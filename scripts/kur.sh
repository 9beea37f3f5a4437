#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only the missing ones) and builds
# the program into build/ (or $TESSARO_BUILD). Sourced by baslat and test.
set -euo pipefail

KOK="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
INSA="${TESSARO_BUILD:-$KOK/build}"
PAKETLER=(build-essential cmake ccache qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libgl-dev libsqlite3-dev sqlite3 libcups2-dev cups printer-driver-cups-pdf poppler-utils
  pkg-config libzip-dev libfreexl-dev libxlsxwriter-dev
  fonts-liberation fontconfig clang-format strace)

paketleri_kur() { # paketleri_kur PAKET...: installs those not yet installed
  local eksik=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || eksik+=("$p")
  done
  [ ${#eksik[@]} -gt 0 ] || return 0
  local SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Eksik paketler kuruluyor: ${eksik[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${eksik[@]}" >/dev/null
}
paketleri_kur "${PAKETLER[@]}"

insa_et() { # insa_et KLASOR [cmake seçenekleri...]
  local klasor="$1"; shift
  cmake -S "$KOK" -B "$klasor" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$klasor" -j "$(nproc)"
}
