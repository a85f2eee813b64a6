#!/usr/bin/env bash
# tagpress data.csv template.bcf -p -h prints on the default printer: a real
# CUPS spooler with its PDF printer. The PDF it writes holds every record.
set -euo pipefail
tagpress=$1
source_dir=$2
source "$(dirname "$0")/common.sh"

command -v cupsd >/dev/null || PATH=$PATH:/usr/sbin
command -v cupsd >/dev/null || fail "cupsd is not installed"

work=$(mktemp -d)
started=""
cleanup() {
  if [ -n "$started" ] && [ -f /run/cups/cupsd.pid ]; then kill "$(cat /run/cups/cupsd.pid)" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  cupsd
  started=yes
  for _ in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
  lpstat -r | grep -q "is running" || fail "cupsd did not start"
fi
lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d PDF

# cups-pdf writes into PDF/ in the job owner's home as the user database has it.
out_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out_dir"
before=$(ls "$out_dir" 2>/dev/null | wc -l)

export TAGPRESS_HOME=$work/home
make_records "$work/data.csv" 40
"$tagpress" "$work/data.csv" "$source_dir/examples/template.bcf" -p -h || fail "tagpress exited with $?"

# Wait for the job to leave the queue and its file to appear.
for _ in $(seq 1 150); do
  if [ -z "$(lpstat -o PDF 2>/dev/null)" ] && [ "$(ls "$out_dir" | wc -l)" -gt "$before" ]; then break; fi
  sleep 0.2
done
pdf=$(ls -t "$out_dir"/*.pdf 2>/dev/null | head -n 1)
[ -n "$pdf" ] || fail "the spooler wrote no PDF"
cp "$pdf" "$work/spooled.pdf"
rm -f "$pdf"
# The PDF printer's printable area is smaller than the page; the grid still
# takes 4 columns and 8 rows of 40 x 30 mm labels.
check_pages "$work/spooled.pdf" "$work/data.csv" 32 2
echo "1 passed, 0 failed"
