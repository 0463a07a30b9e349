#!/usr/bin/env bash
# Installs every Debian package the game needs to build, test and run, when
# something is missing. Safe to run again: it does nothing when all is there.
#   instalar-dependencias.sh        what `make run` and `make test` need
#   instalar-dependencias.sh fuzz   that, and clang with libFuzzer (`make fuzz`)
set -euo pipefail

PAQUETES=(
  g++ make cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  qt6-qpa-plugins libgl-dev fonts-dejavu-core libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick libx11-dev openbox
  desktop-file-utils appstream dpkg-dev file groff-base
  qt6-l10n-tools qt6-tools-dev
)
if [ "${1:-}" = "fuzz" ]; then
  PAQUETES+=(clang libclang-rt-dev)
fi

faltan=()
for p in "${PAQUETES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done

if [ ${#faltan[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando: ${faltan[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${faltan[@]}"
