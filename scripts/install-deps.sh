#!/usr/bin/env bash
# Installs what building and testing Velloru needs on Debian 12, if missing.
# Only the installation needs root: as root it runs apt-get directly, as any
# other user through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  {
    echo "Velloru needs these Debian packages, which are not installed:"
    echo "  ${missing[*]}"
    echo "Installing them needs root, and sudo is not installed. Install them as root with"
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}"
    echo "then run this command again, or run it as root."
  } >&2
  exit 1
fi

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
