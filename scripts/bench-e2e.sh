#!/usr/bin/env bash
# The end-to-end benchmark: the program on a virtual X display of 1920 x 1080 (Xvfb, started and
# stopped here), every window in turn at its fastest speed for E2E_SECONDS of real time; then
# every window open at once. Writes both tables into BENCHMARKS.md between its e2e markers.
# Arguments are passed to orbicola-e2e (e.g. window classes to run only those; then BENCHMARKS.md
# is left alone).
set -eu
cd "$(dirname "$0")/.."
build=build/release
seconds=${E2E_SECONDS:-5}
for tool in "$build/bench/orbicola-e2e" "$build/orbicola-shot"; do
  [ -x "$tool" ] || { echo "bench-e2e: $tool is missing; build it first (make bench-e2e does)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "bench-e2e: Xvfb is missing; run scripts/deps.sh" >&2; exit 1; }

# A display number that no server holds.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "bench-e2e: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
load=$(cut -d' ' -f1-3 /proc/loadavg)
runs=$(mktemp)
memory=$(mktemp)
trap 'rm -f "$runs" "$memory"; kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
"$build/bench/orbicola-e2e" --seconds "$seconds" "$@" | tee "$runs"
"$build/orbicola-shot" open-all | tee "$memory"
loadAfter=$(cut -d' ' -f1-3 /proc/loadavg)
[ $# -eq 0 ] || exit 0

# The memory table from the driver's JSON lines ({"window":"T...","rss":...,...}).
field() { sed -n "s/.*\"$1\":\"\{0,1\}\([^\",}]*\).*/\1/p" <<<"$2"; }
memoryTable="| Window | resident after opening it MiB | growth MiB | its pictures while active MiB | its pictures with all open MiB |
|---|---|---|---|---|"
while IFS= read -r line; do
  case "$line" in
    '{"window"'*)
      name=$(field window "$line")
      held=$(grep -F "{\"held\":\"$name\"" "$memory" | head -n 1)
      memoryTable+="
| $name | $(field rss "$line") | $(field share "$line") | $(field bitmaps "$line") | $(field bitmaps "$held") |" ;;
    '{"start"'*) before=$(field rss "$line") ;;
    '{"open"'*) open=$(field open "$line"); peak=$(field peakRss "$line") ;;
  esac
done <"$memory"
memoryTable+="

Before the first window: $before MiB. With all $open windows open: peak resident memory **$peak MiB**."

section=$(cat <<EOF
<!-- e2e:begin -->
Command ($(date -u +%Y-%m-%d), release build, $seconds s a window; load average $load before
and $loadAfter after the run):

\`\`\`
make bench-e2e        # or: scripts/bench-e2e.sh after building orbicola-e2e and orbicola-shot
\`\`\`

$(cat "$runs")

Every window open at once (\`orbicola-shot open-all\` on the same display, windows of the
frame's client size):

$memoryTable
<!-- e2e:end -->
EOF
)
# The section between the markers is replaced; without them it is added at the end.
if grep -q '<!-- e2e:begin -->' BENCHMARKS.md; then
  SECTION=$section awk '
    /<!-- e2e:begin -->/ { print ENVIRON["SECTION"]; skip = 1; next }
    /<!-- e2e:end -->/ { skip = 0; next }
    !skip { print }' BENCHMARKS.md >BENCHMARKS.md.new
else
  { cat BENCHMARKS.md; printf '\n## End to end, on a display\n\n%s\n' "$section"; } >BENCHMARKS.md.new
fi
mv BENCHMARKS.md.new BENCHMARKS.md
echo "bench-e2e: BENCHMARKS.md updated"
