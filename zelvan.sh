#!/usr/bin/env bash
# Builds and runs ZELVAN on a Debian machine, installing first whatever
# Debian packages of packages.txt the machine lacks.
#   ./zelvan.sh run [EXAMPLE]    build, then run examples/EXAMPLE (default holstein)
#                                in the scratch directory build/run-EXAMPLE
#   ./zelvan.sh test             build and run every test
#   ./zelvan.sh deps [--dry-run] only install the missing packages, or only
#                                report what would be installed
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)

usage() {
  echo "Usage:" >&2
  sed -n '4,8s/^# \{0,1\}//p' "$0" >&2
  exit 2
}

# The package names of packages.txt, without comments and blank lines.
needed_packages() {
  sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' packages.txt
}

# The needed packages dpkg does not list as installed, in the order of the list.
missing_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "zelvan.sh: no dpkg-query, so not a Debian machine: make sure the packages of packages.txt are installed" >&2
    return
  fi
  local needed installed p
  needed=$(needed_packages)
  # dpkg-query fails when a package is unknown to it; the ones it knows are still listed.
  installed=$(dpkg-query -W -f='${Package} ${Status}\n' $needed 2>/dev/null |
    awk '$4 == "installed" { print $1 }' || true)
  for p in $needed; do
    grep -qxF "$p" <<<"$installed" || echo "$p"
  done
}

# "sudo " when apt-get needs it, else nothing.
sudo_prefix() {
  if [ "$(id -u)" -ne 0 ]; then echo "sudo "; fi
}

cannot_install() {
  {
    echo "zelvan.sh: these Debian packages are missing and could not be installed: $*"
    echo "Install them (as root, or with sudo) with:"
    echo "  $(sudo_prefix)apt-get update && $(sudo_prefix)apt-get install $*"
  } >&2
  exit 1
}

# Installs the missing packages: one apt-get update, then apt-get install of
# only those, with no questions asked.
install_packages() {
  local sudo=()
  if [ -n "$(sudo_prefix)" ]; then
    command -v sudo >/dev/null 2>&1 || cannot_install "$@"
    sudo=(sudo)
  fi
  command -v apt-get >/dev/null 2>&1 || cannot_install "$@"
  echo "Installing the missing Debian packages: $*"
  "${sudo[@]}" apt-get -q update || cannot_install "$@"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -q install -y --no-install-recommends "$@" </dev/null || cannot_install "$@"
}

# Installs what is missing; with --dry-run only reports it.
ensure_packages() {
  local missing
  missing=$(missing_packages)
  missing=$(echo $missing)
  if [ "${1:-}" = --dry-run ]; then
    if [ -z "$missing" ]; then
      echo "All Debian packages of packages.txt are installed."
    else
      echo "Missing Debian packages: $missing"
      echo "Would run: $(sudo_prefix)apt-get update && $(sudo_prefix)apt-get install -y --no-install-recommends $missing"
    fi
    return
  fi
  if [ -n "$missing" ]; then install_packages $missing; fi
}

run_example() {
  local example=${1:-holstein}
  if [ ! -d "examples/$example" ]; then
    echo "zelvan.sh: no example examples/$example; there are: $(ls examples | tr '\n' ' ')" >&2
    exit 2
  fi
  ensure_packages
  make run EXAMPLE="$example"
  echo
  echo "Results and dumps of examples/$example are in $here/build/run-$example:"
  echo "  RESULTS.TXT (results), CHECKDhelp (after the base run), CHECKD (at the end)"
}

case "${1:-}" in
  run) shift; [ $# -le 1 ] || usage; run_example "$@" ;;
  test) [ $# -eq 1 ] || usage; ensure_packages; make test ;;
  deps) shift; [ $# -eq 0 ] || [ "$*" = --dry-run ] || usage; ensure_packages "$@" ;;
  *) usage ;;
esac
