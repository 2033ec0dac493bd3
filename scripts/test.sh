#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the plain build, the same suite under AddressSanitizer + UndefinedBehaviorSanitizer,
# then the short fuzz runs. Every stage runs even when an earlier one failed; the last line
# sums them up, and the exit status is non-zero when anything failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# Software OpenGL on a virtual X display; e2e tests start X servers of their own.
export LIBGL_ALWAYS_SOFTWARE=1
xvfb=(bash scripts/with-xvfb.sh)

summary=()
passed=0
failed=0
run_suite() {
  local dir=$1; shift
  if ! bash scripts/build.sh "$dir" "$@"; then
    summary+=("$dir: build FAILED")
    failed=$((failed + 1))
    return 1
  fi
  local log="$dir/ctest.log"
  set +e
  "${xvfb[@]}" ctest --test-dir "$dir" --output-on-failure -j 2 --timeout 300 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  summary+=("$dir: ${line:-no CTest summary}")
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  elif [ "$rc" -ne 0 ]; then
    failed=$((failed + 1))
  fi
  return "$rc"
}

status=0
run_suite build || status=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORANT_SANITIZE=ON || status=1

unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

if ! bash scripts/fuzz.sh; then
  summary+=("fuzz: FAILED")
  failed=$((failed + 1))
  status=1
fi

printf '%s\n' "${summary[@]}"
echo "tests: $passed passed, $failed failed"
exit "$status"
