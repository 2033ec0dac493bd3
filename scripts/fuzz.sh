#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build-fuzz and runs each one for a
# short while from the seed corpus in tests/fuzz/corpus. Fails on any crash, hang (an input
# that runs longer than 5 s), leak, sanitizer report or memory blow-up; prints one summary line.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
dir=build-fuzz
targets=(objl_loader_fuzzer triangulate_polygon_fuzzer)

mkdir -p "$dir"
if ! { cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
         -DVELMORANT_TESTS=OFF -DVELMORANT_FUZZ=ON -DVELMORANT_WERROR=ON &&
       cmake --build "$dir" --target "${targets[@]}"; } >"$dir/fuzz-build.log" 2>&1; then
  tail -n 40 "$dir/fuzz-build.log" >&2
  echo "fuzz: build FAILED (see $dir/fuzz-build.log)"
  exit 1
fi

status=0
report=()
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus in the build dir; the seeds stay as committed.
  work="$dir/fuzz-corpus/$target"
  artifacts="$dir/fuzz-artifacts/$target/"
  log="$dir/fuzz-$target.log"
  mkdir -p "$work" "$artifacts"
  set +e
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/tests/fuzz/$target" "$work" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$artifacts" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$rc" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    status=1
    report+=("$target FAILED (exit $rc, see $log, inputs in $artifacts)")
    tail -n 40 "$log" >&2
  else
    report+=("$target ${runs:-?} runs ok")
  fi
done

summary="fuzz: ${seconds}s per target: $(IFS=';'; echo "${report[*]}" | sed 's/;/, /g')"
echo "$summary"
exit "$status"
