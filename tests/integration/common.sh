# Helpers shared by the end-to-end print tests.

fail() { echo "FAIL: $*" >&2; exit 1; }

# make_records FILE COUNT: EAN-13 records 690000000001.. with their check digits.
make_records() {
  local file=$1 count=$2 i body sum d k
  : > "$file"
  for ((i = 1; i <= count; i++)); do
    body=$(printf '6900000%05d' "$i")
    sum=0
    for ((k = 0; k < 12; k++)); do
      d=${body:k:1}
      if ((k % 2)); then sum=$((sum + 3 * d)); else sum=$((sum + d)); fi
    done
    printf '%s%d,shop,item %d\r\n' "$body" $(((10 - sum % 10) % 10)) "$i" >> "$file"
  done
}

# expected_page FILE FIRST LAST: the digits of records FIRST..LAST, sorted.
expected_page() {
  sed -n "$2,$3p" "$1" | cut -d, -f1 | sort
}

# decoded_page PNG: the EAN-13 digits zbar reads on a page image, sorted.
decoded_page() {
  zbarimg --nodbus -q "$1" 2>/dev/null | sed -n 's/^EAN-13://p' | sort
}

# check_pages PDF DATA PER_PAGE PAGES: every page holds exactly its records.
check_pages() {
  local pdf=$1 data=$2 per_page=$3 pages=$4 work
  work=$(dirname "$pdf")
  local count
  count=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  [ "$count" = "$pages" ] || fail "expected $pages pages, got $count"
  pdftoppm -r 300 -gray "$pdf" "$work/page"
  local total
  total=$(wc -l < "$data")
  for ((p = 1; p <= pages; p++)); do
    local image
    image=$(ls "$work"/page-*"$p".pgm | head -n 1)
    local first=$(((p - 1) * per_page + 1)) last=$((p * per_page))
    ((last > total)) && last=$total
    diff <(expected_page "$data" "$first" "$last") <(decoded_page "$image") > "$work/diff.txt" ||
      fail "page $p does not hold records $first to $last: $(head -c 400 "$work/diff.txt")"
  done
}
