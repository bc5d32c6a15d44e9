#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with.
# Quiet and quick when everything is already there; apt-get update only when
# something is missing. Must run as root on a fresh Debian 12 machine.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  locales
  xvfb xauth
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run this script as root)" >&2
    exit 1
  fi
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests check that numbers keep their full stop under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  fi
fi
