#!/usr/bin/env bash
# tagpress --export=DIR data.csv template.bcf writes one 24-bit BMP per record
# that an independent reader decodes to the record's digits; the exit status
# tells whether every record was exported.
set -euo pipefail
tagpress=$1
source_dir=$2
source "$(dirname "$0")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TAGPRESS_HOME=$work/home

make_records "$work/data.csv" 12
"$tagpress" --export="$work/images" --dpi=203 "$work/data.csv" "$source_dir/examples/template.bcf" >"$work/log" ||
  fail "tagpress exited with $?"
[ "$(tail -n 1 "$work/log")" = "全部12个条码已成功导出！" ] || fail "unexpected summary: $(cat "$work/log")"
while IFS=, read -r digits _; do
  image="$work/images/$digits.bmp"
  [ -f "$image" ] || fail "no image for $digits"
  file "$image" | grep -q "x 24, .*resolution 7992 x 7992 px/m" || fail "not a 24-bit BMP at 203 dpi: $(file "$image")"
  [ "$(zbarimg --nodbus -q "$image" 2>/dev/null)" = "EAN-13:$digits" ] || fail "$image does not read as $digits"
done < "$work/data.csv"

# Existing files kept: every record is an error, and the status says so.
if "$tagpress" --export="$work/images" --keep-existing "$work/data.csv" "$source_dir/examples/template.bcf" \
  >"$work/log"; then
  fail "a run without any exported image reported success"
fi
[ "$(tail -n 1 "$work/log")" = "发生12个错误, 没有任何条码被导出！" ] || fail "unexpected summary: $(cat "$work/log")"

# A resolution that makes no image is refused before anything is written.
if "$tagpress" --export="$work/none" --dpi=0 "$work/data.csv" 2>"$work/err"; then
  fail "dpi 0 reported success"
fi
grep -q "dpi" "$work/err" || fail "no message for dpi 0"
[ ! -e "$work/none" ] || fail "a refused run created its folder"
echo "1 passed, 0 failed"
