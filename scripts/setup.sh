#!/usr/bin/env bash
# Installs what the build and the tests need; does nothing when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done < scripts/packages.txt

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [[ $(id -u) -ne 0 ]] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${missing[@]}"
fi

for extra in scripts/setup.d/*.sh; do
  [[ -e "$extra" ]] && bash "$extra"
done
exit 0
