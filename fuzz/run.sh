#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS (the file readers on a small
# corpus made here, the canvas from nothing): seconds in `make check`, minutes in `make fuzz`.
# Fails when a fuzzer finds a crash, a sanitizer finding or, for the canvas, an operation that
# takes too long. Without clang++ it says so and succeeds.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-10}
jobs=${JOBS:-2}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "Fuzzers skipped: clang++ is not installed (./scripts/deps.sh --with-clang installs it)."
  exit 0
fi

if ! out=$(cmake --preset fuzz 2>&1 && cmake --build --preset fuzz -j "$jobs" 2>&1); then
  echo "$out"
  echo "Fuzzers: the build failed." >&2
  exit 1
fi

work=build/fuzz/run
rm -rf "$work"
mkdir -p "$work/langfile" "$work/config" "$work/canvas" "$work/artifacts"

# Language files: a valid one with CRLF, the same with LF and Windows-1252 accents, one line short.
for i in $(seq 0 279); do
  if [ "$i" -eq 82 ]; then printf 'menu\r\n'; else printf 'riga %d\r\n' "$i"; fi
done >"$work/langfile/valid_crlf.lng"
for i in $(seq 0 279); do
  if [ "$i" -eq 82 ]; then printf 'menu\n'; else printf 'fran\347ais \200 %d\n' "$i"; fi
done >"$work/langfile/valid_cp1252.lng"
head -n 279 "$work/langfile/valid_crlf.lng" >"$work/langfile/short.lng"

# Configuration records: all zeros, and hints on, Spanish, a path and French as the default.
head -c 209 /dev/zero >"$work/config/zeros.cfg"
{
  printf '\001\003\013/tmp/fr.lng'
  head -c 189 /dev/zero
  printf '\000\000\001\000\000\000'
} >"$work/config/settings.cfg"

status=0
for name in langfile config canvas; do
  log="$work/$name.log"
  # The canvas works on bitmaps of the largest window size: more memory, shorter inputs.
  if [ "$name" = canvas ]; then limits="-max_len=512 -rss_limit_mb=4096"; else limits="-max_len=16384"; fi
  # shellcheck disable=SC2086
  if ./build/fuzz/${name}_fuzz -max_total_time="$seconds" -timeout=20 $limits \
       -artifact_prefix="$work/artifacts/${name}-" "$work/$name" >"$log" 2>&1; then
    runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2)
    echo "Fuzzer ${name}_fuzz: ${runs:-?} inputs in ${seconds} s, no crash."
  else
    tail -n 40 "$log"
    echo "Fuzzer ${name}_fuzz FOUND A CRASH: see $log and $work/artifacts/." >&2
    status=1
  fi
done
exit $status
