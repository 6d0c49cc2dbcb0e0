#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet (through sudo
# when not root). --build and --tests add the packages debian/control names, the one list of
# them: --build the build's (its Build-Depends, with the compiler Debian takes for granted),
# --tests those only the tests need (marked <!nocheck> there).
set -euo pipefail
control="$(dirname "$0")/../debian/control"

# Prints the Build-Depends of debian/control for `build` or `tests`, one name a line.
control_packages() {
  local entry name
  [ "$1" = build ] && printf '%s\n' g++ make
  sed -n '/^Build-Depends:/,/^[A-Z]/p' "$control" |
    sed -e '1s/^Build-Depends://' -e '/^[A-Z][A-Za-z-]*:/d' | tr ',' '\n' |
    while read -r entry; do
      name="${entry%% *}"
      case "$name" in "" | debhelper-compat) continue ;; esac
      if [[ "$entry" == *"<!nocheck>"* ]]; then
        if [ "$1" = tests ]; then echo "$name"; fi
      elif [ "$1" = build ]; then
        echo "$name"
      fi
    done
}

wanted=()
for arg in "$@"; do
  case "$arg" in
    --build) mapfile -t -O "${#wanted[@]}" wanted < <(control_packages build) ;;
    --tests) mapfile -t -O "${#wanted[@]}" wanted < <(control_packages tests) ;;
    *) wanted+=("$arg") ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
