#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Invexo need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-httpserver-dev qt6-websockets-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libldap-dev slapd ldap-utils zlib1g-dev
  xdg-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
