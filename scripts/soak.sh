#!/usr/bin/env bash
# Builds the soak test under the address and undefined-behaviour sanitizers (that program alone)
# and runs it over every built window, split over JOBS processes. SOAK_SECONDS is the time of
# random use per window, SOAK_SEED its seed; prints what the windows went through.
set -eu
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
filter=${SOAK_FILTER:-*}

cmake --preset asan >/dev/null
cmake --build --preset asan --target tests_soak -j "$jobs"

logs=build/asan/soak
rm -rf "$logs"
mkdir -p "$logs"
export QT_QPA_PLATFORM=offscreen
pids=()
for i in $(seq 0 $((jobs - 1))); do
  GTEST_TOTAL_SHARDS=$jobs GTEST_SHARD_INDEX=$i ./build/asan/tests/tests_soak \
    --gtest_filter="$filter" >"$logs/part$i.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    status=1
    grep -v -e 'propagateSizeHints' -e '^\[ *\(RUN\|OK\) ' "$logs/part$i.log" | tail -n 80
    echo "Soak: part $i FAILED (whole log: $logs/part$i.log)." >&2
  fi
done

# Each window's line, then the sums over all of them.
grep -h -e '^soak: seed' "$logs/part0.log" || true
grep -h -e '^soak: T[a-z0-9]*: ' "$logs"/*.log | sort || true
grep -h -e '^soak: T[a-z0-9]*: [0-9]* rounds' "$logs"/*.log | awk '
  { windows++; rounds += $3; opens += $5; actions += $7; ticks += $9; seconds += $12 }
  END {
    if (windows)
      printf "Soak: %d windows, %d rounds, %d openings, %d actions, %d timer ticks, " \
             "%.0f s of virtual time.\n",
             windows, rounds, opens, actions, ticks, seconds
  }'
[ $status -eq 0 ] && echo "Soak: no finding."
exit $status
