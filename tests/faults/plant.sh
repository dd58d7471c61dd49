#!/bin/bash
# Plants each fault of faults.txt in turn in a scratch copy of the project,
# rebuilds incrementally and records which tests fail. Not part of make test.
# Usage: tests/faults/plant.sh SCRATCH [first last]   (SCRATCH: a copy with
# src/, tests/, examples/ and a configured build/). Output: one line per
# fault, "n<TAB>subsystem<TAB>description<TAB>failing tests" ("-" = survived).
set -u
scratch=$1; first=${2:-1}; last=${3:-9999}
list=$(dirname "$0")/faults.txt
n=0
failing() {
  (cd "$scratch/build" && timeout 900 ./zelvan_tests --gtest_brief=1 --gtest_filter="$1" 2>&1 |
   sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\).*/\1/p' | sed 's#/[0-9]*$##; s#^Shard/##' | sort -u | tr '\n' ' ')
}
grep -v '^#' "$list" | while IFS=$'\t' read -r sub file cmd what; do
  n=$((n + 1)); [ $n -lt $first ] || [ $n -gt $last ] && continue
  f=$scratch/src/$file
  cp -p "$f" "$f.orig"
  sed -i "$cmd" "$f"
  if cmp -s "$f" "$f.orig"; then
    echo -e "$n\t$sub\t$what\tNOT-APPLIED"; mv "$f.orig" "$f"; continue
  fi
  if ! cmake --build "$scratch/build" -j 2 >/dev/null 2>&1; then
    echo -e "$n\t$sub\t$what\tBUILD-FAILED"
  else
    # The matrix runs only when the goldens miss the fault: it cannot change
    # whether the fault is caught, only by how many tests.
    caught=$(failing "-Shard/*")
    case " $caught " in *" Golden.ExamplesReproduceTheirReferenceOutputs "*) ;;
      *) caught="$caught$(failing "Shard/*")" ;; esac
    echo -e "$n\t$sub\t$what\t${caught:--}"
  fi
  mv "$f.orig" "$f"; touch "$f"
done
