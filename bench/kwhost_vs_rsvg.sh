#!/bin/bash
# kwhost against rsvg-convert on one large drawing, side by side in one run: kwhost reads the
# drawing and cuts every path (the receiver registered as the cutting application), rsvg-convert
# renders the same file to PostScript. Each takes ROUNDS turns, alternating; the best wall time, the
# best CPU time (user + system) and the largest peak memory of each are printed, and how many times
# faster kwhost is by each time.
# Usage: kwhost_vs_rsvg.sh BUILD_DIR [PATHS SEGMENTS ROUNDS]
set -euo pipefail
build=$(cd "$1" && pwd)
paths=${2:-10000}
segments=${3:-100}
rounds=${4:-3}
here=$(cd "$(dirname "$0")" && pwd)
for tool in /usr/bin/time rsvg-convert; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/registry/user/Software/Talvex/Kerfworks" "$work/registry/machine" "$work/tmp"
cat > "$work/Kerfworks" <<WRAPPER
#!/bin/sh
exec "$build/tools/receiver/kwreceiver" "\$@" >/dev/null
WRAPPER
chmod +x "$work/Kerfworks"
printf 'Path=%s\n' "$work/Kerfworks" > "$work/registry/user/Software/Talvex/Kerfworks/Folder.reg"
export KW_REGISTRY_USER="$work/registry/user" KW_REGISTRY_MACHINE="$work/registry/machine"
export KWHOST_PREFERENCES="$work/preferences.txt" KW_RECEIVER_REPORT="$work/receiver-report.txt"

drawing="$work/drawing.svg"
python3 "$here/big_drawing.py" "$paths" "$segments" > "$drawing"
size=$(stat -c %s "$drawing")

# $1: label; the rest: the command. Appends "wall user system kilobytes" (seconds) to $work/$1.
measure() {
  local label=$1
  shift
  /usr/bin/time -f '%e %U %S %M' -o "$work/$label.last" "$@" > "$work/$label.out" 2>&1 || {
    echo "$0: $label failed:" >&2
    cat "$work/$label.out" >&2
    exit 1
  }
  cat "$work/$label.last" >> "$work/$label"
}

for _ in $(seq "$rounds"); do
  rm -f "$KW_RECEIVER_REPORT" "$work"/tmp/*
  TMPDIR="$work/tmp" measure kwhost "$build/tools/kwhost/kwhost" "$drawing" --press cut
  # The receiver checks the cut file on its own; it must be done before rsvg-convert is timed.
  for _ in $(seq 600); do [ -s "$KW_RECEIVER_REPORT" ] && break; sleep 0.1; done
  grep -q "^paths: $paths\b" "$KW_RECEIVER_REPORT" || {
    echo "$0: the receiver did not get $paths paths:" >&2
    cat "$work/kwhost.out" "$KW_RECEIVER_REPORT" >&2
    exit 1
  }
  measure rsvg rsvg-convert -f ps -o "$work/out.ps" "$drawing"
done

awk -v size="$size" -v paths="$paths" -v segments="$segments" -v rounds="$rounds" '
  FNR == 1 { tool++ }
  { if (!(tool in wall) || $1 < wall[tool]) wall[tool] = $1
    if (!(tool in cpu) || $2 + $3 < cpu[tool]) cpu[tool] = $2 + $3
    if ($4 > peak[tool]) peak[tool] = $4 }
  END {
    printf "drawing: %d paths x %d cubic segments, %.1f MB; best of %d rounds\n",
           paths, segments, size / 1e6, rounds
    printf "kwhost --press cut:  wall %6.2f s  CPU %6.2f s  peak %6.1f MB (%.2f x the file)\n",
           wall[1], cpu[1], peak[1] * 1024 / 1e6, peak[1] * 1024 / size
    printf "rsvg-convert -f ps:  wall %6.2f s  CPU %6.2f s  peak %6.1f MB\n",
           wall[2], cpu[2], peak[2] * 1024 / 1e6
    printf "kwhost is %.1f times as fast by wall time, %.1f by CPU time\n",
           wall[2] / (wall[1] > 0 ? wall[1] : 0.01), cpu[2] / (cpu[1] > 0 ? cpu[1] : 0.01)
  }' "$work/kwhost" "$work/rsvg"
