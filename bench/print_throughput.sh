#!/usr/bin/env bash
# Labels per second and peak memory of unattended printing into a PDF file:
# 40 x 30 mm EAN-13 labels with a text line above and one below, 4 x 8 per
# A4 page, for 1,000, 10,000 and 100,000 records.
#   bench/print_throughput.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
source tests/integration/common.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TAGPRESS_HOME=$work/home QT_QPA_PLATFORM=offscreen
printf '%-8s %10s %10s %12s %12s\n' records wall-s cpu-s labels/cpu-s "peak MB"
for n in 1000 10000 100000; do
  make_records "$work/data.csv" "$n"
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" \
    "$build_dir/app/tagpress" "$work/data.csv" examples/template.bcf -p -h --output="$work/out.pdf"
  read -r wall user sys kb < "$work/time"
  cpu=$(echo "$user + $sys" | bc -l)
  printf '%-8s %10s %10.2f %12.0f %12.1f\n' "$n" "$wall" "$cpu" "$(echo "$n / $cpu" | bc -l)" "$(echo "$kb / 1024" | bc -l)"
done
