#!/usr/bin/env bash
# tagpress data.csv template.bcf -p -h --output=FILE.pdf writes the pages into
# a PDF file; each page decodes to its records.
set -euo pipefail
tagpress=$1
source_dir=$2
source "$(dirname "$0")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TAGPRESS_HOME=$work/home

make_records "$work/data.csv" 40
"$tagpress" "$work/data.csv" "$source_dir/examples/template.bcf" -p -h --output="$work/out.pdf" ||
  fail "tagpress exited with $?"
[ -s "$work/out.pdf" ] || fail "no PDF written"
# 40 x 30 mm labels on A4: 4 columns, 8 rows.
check_pages "$work/out.pdf" "$work/data.csv" 32 2
[ -f "$work/home/Default.bct" ] || fail "the working template was not written"

# A missing data file with -p -h is an error, not a silent success.
if "$tagpress" "$work/missing.csv" "$source_dir/examples/template.bcf" -p -h --output="$work/x.pdf" 2>"$work/err"; then
  fail "a missing data file reported success"
fi
grep -q "missing.csv" "$work/err" || fail "the error does not name the file: $(cat "$work/err")"

# A label larger than the page is an error.
printf 'LabelWidth=500\r\nLabelHeight=30\r\nBarType=14\r\n' > "$work/huge.bcf"
if "$tagpress" "$work/data.csv" "$work/huge.bcf" -p -h --output="$work/y.pdf" 2>"$work/err"; then
  fail "a label that does not fit reported success"
fi
echo "1 passed, 0 failed"
