#!/bin/bash
# The main job: kwhost runs the plug-in on the bundled sticker sheet, with the receiver registered
# as the cutting application in a folder inside the build tree (never the user's own).
# Usage: demo.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
demo="$build/demo"
rm -rf "$demo"
mkdir -p "$demo/registry/user/Software/Talvex/Kerfworks" "$demo/registry/machine"
# The registered "application" runs the receiver with its own printout silenced: its report goes
# to a file, which is shown below once kwhost is done.
cat > "$demo/Kerfworks" <<WRAPPER
#!/bin/sh
exec "$build/tools/receiver/kwreceiver" "\$@" >/dev/null
WRAPPER
chmod +x "$demo/Kerfworks"
printf 'Path=%s\n' "$demo/Kerfworks" > "$demo/registry/user/Software/Talvex/Kerfworks/Folder.reg"

export KW_REGISTRY_USER="$demo/registry/user"
export KW_REGISTRY_MACHINE="$demo/registry/machine"
export KW_RECEIVER_REPORT="$demo/receiver-report.txt"
export KWHOST_PREFERENCES="$demo/preferences.txt"
export TMPDIR="$demo"

"$build/tools/kwhost/kwhost" "$source_dir/examples/sticker_sheet.svg" \
  --crop-marks 3 --mode all --press cut \
  --preview "$demo/preview.png" --preview-size 184x200 \
  --save "$demo/sticker_sheet_saved.svg"

# The receiver runs on its own; give it a moment to write its report.
for _ in $(seq 50); do [ -s "$KW_RECEIVER_REPORT" ] && break; sleep 0.1; done
echo
echo "The receiver (standing in for the cutting application) reported:"
sed 's/^/  /' "$KW_RECEIVER_REPORT"
echo
echo "Preview written: $demo/preview.png"
echo "Document saved:  $demo/sticker_sheet_saved.svg"
