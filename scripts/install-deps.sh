#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmarks and the package need.
# Does nothing when every package is present; uses sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsqlite3-dev libsqlitecpp-dev sqlite3
  libsodium-dev libqpdf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig poppler-utils
  xvfb xauth
  dpkg-dev lintian desktop-file-utils appstream librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
