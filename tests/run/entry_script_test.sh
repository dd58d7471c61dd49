#!/usr/bin/env bash
# Package detection of zelvan.sh, without installing anything: dpkg-query,
# apt-get and id are replaced by fakes, dpkg-query hiding the packages named in
# FAKE_ABSENT and apt-get logging its calls and failing to install.
set -uo pipefail
script=$1
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT

cat >"$fake/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
rc=0
for p in "$@"; do
  case $p in -*) continue ;; esac
  if [[ " $FAKE_ABSENT " == *" $p "* ]]; then rc=1; else echo "$p install ok installed"; fi
done
exit $rc
FAKE
cat >"$fake/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "$*" >>"$APT_LOG"
[[ " $* " != *" install "* ]]
FAKE
printf '#!/bin/sh\necho 0\n' >"$fake/id"
chmod +x "$fake"/*

failures=0
# absent packages | arguments | exit status | output | apt-get calls
cases=(
  "libgtest-dev|deps --dry-run|0|Missing Debian packages: libgtest-dev
Would run: apt-get update && apt-get install -y --no-install-recommends libgtest-dev|"
  "|deps --dry-run|0|All Debian packages of packages.txt are installed.|"
  "libgtest-dev cmake|deps|1|Installing the missing Debian packages: cmake libgtest-dev
zelvan.sh: these Debian packages are missing and could not be installed: cmake libgtest-dev
Install them (as root, or with sudo) with:
  apt-get update && apt-get install cmake libgtest-dev|-q update
-q install -y --no-install-recommends cmake libgtest-dev"
)
for c in "${cases[@]}"; do
  IFS='|' read -r -d '' absent args want_rc want_out want_apt <<<"$c"
  want_apt=${want_apt%$'\n'}
  : >"$fake/apt.log"
  out=$(FAKE_ABSENT=$absent APT_LOG=$fake/apt.log PATH="$fake:$PATH" "$script" $args 2>&1)
  rc=$?
  apt=$(cat "$fake/apt.log")
  if [ "$rc" != "$want_rc" ] || [ "$out" != "$want_out" ] || [ "$apt" != "$want_apt" ]; then
    echo "FAILED: absent '$absent', zelvan.sh $args: exit $rc (want $want_rc)"
    echo "--- output:"; echo "$out"; echo "--- wanted:"; echo "$want_out"
    echo "--- apt-get calls:"; echo "$apt"; echo "--- wanted:"; echo "$want_apt"
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
