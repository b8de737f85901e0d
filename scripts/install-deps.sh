#!/usr/bin/env bash
# Installs the Debian packages Netquill builds, tests and runs with.
# Idempotent: asks apt only for what is missing, and uses sudo only when not root.
#   install-deps.sh          what the build, the tests and the program need
#   install-deps.sh peers    also the command-line calculators netquill-cli is timed against
set -euo pipefail

packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-comic-neue
  xvfb xauth x11-utils
  desktop-file-utils appstream dpkg-dev file scdoc lintian devscripts
  clang libclang-rt-14-dev
)

if [ "${1:-}" = peers ]; then
  packages+=(hyperfine sipcalc ipcalc-ng time iprange aggregate grepcidr)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
