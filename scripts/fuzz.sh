#!/usr/bin/env bash
# Runs each fuzz target of BUILD (tests/fuzz) for SECONDS on a copy of its
# committed corpus, kept in BUILD/fuzz/NAME/ so that runs add to it and the
# repository's corpus stays as it is. Fails when a target finds a crash, a
# leak, a failed check or an input slower than TIMEOUT seconds; the input
# that did it is left in BUILD/fuzz/NAME/.
set -uo pipefail

BUILD=${1:?usage: fuzz.sh BUILD SECONDS}
SECONDS_EACH=${2:-60}
TIMEOUT=${FUZZ_TIMEOUT:-10}
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
# The replay runner writes its settings file in the temporary folder, and
# syncs it: in memory when there is a place for it, that costs nothing.
if [ -d /dev/shm ] && memoria=$(mktemp -d /dev/shm/tumbla-fuzz.XXXXXX); then
  export TMPDIR="$memoria"
  trap 'rm -rf "$memoria"' EXIT
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fallos=()
for nombre in ini niveles guion paquete codigo repeticion; do
  dir="$BUILD/fuzz/$nombre"
  mkdir -p "$dir/corpus"
  cp -n "$RAIZ/tests/fuzz/corpus/$nombre/"* "$dir/corpus/"
  "$BUILD/tests/fuzz/fuzz-$nombre" -max_total_time="$SECONDS_EACH" -timeout="$TIMEOUT" \
    -print_final_stats=1 -artifact_prefix="$dir/" "$dir/corpus" > "$dir/registro.txt" 2>&1
  r=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/registro.txt" | tail -n 1)
  echo "fuzz-$nombre: ${runs:-?} runs in ${SECONDS_EACH} s"
  if [ $r -ne 0 ]; then
    grep -E "ERROR|SUMMARY|tumbla:|runtime error|Test unit written" "$dir/registro.txt" | head -n 20
    echo "fuzz-$nombre: failed (exit $r); the whole log is $dir/registro.txt" >&2
    fallos+=("fuzz-$nombre")
  fi
done

if [ ${#fallos[@]} -ne 0 ]; then
  echo "fuzz: ${fallos[*]} found faults" >&2
  exit 1
fi
echo "fuzz: no fault found"
