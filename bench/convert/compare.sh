#!/usr/bin/env bash
# Side by side on the same documents: paginox-convert (each format) against the common
# tools' way, soffice --convert-to pdf followed by pdftoppm -r 72 -png. Prints pages per
# second for each, then the in-process floor table of paginox_bench_convert.
# Usage: bench/convert/compare.sh [DOCUMENT...]   (default: 53379.doc and bug65649.docx)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${PAGINOX_BUILD_DIR:-$root/build}
docs=("$@")
[ ${#docs[@]} -gt 0 ] || docs=("$root/tests/corpus/53379.doc" "$root/tests/corpus/bug65649.docx")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
profile="file://$work/peer-profile"

seconds() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N); awk "BEGIN { print $e - $s }"; }
rate() { awk "BEGIN { print $1 / $2 }"; }

# The peer's first start creates its profile; that is not what a user waits for each time.
soffice -env:UserInstallation="$profile" --headless --convert-to pdf --outdir "$work/warm" "${docs[0]}" >/dev/null 2>&1 || true

printf '%-22s %-28s %6s %8s %9s\n' document tool pages seconds pages/s
for doc in "${docs[@]}"; do
  name=$(basename "$doc")
  rm -rf "$work/peer" && mkdir -p "$work/peer"
  t_pdf=$(seconds soffice -env:UserInstallation="$profile" --headless --convert-to pdf --outdir "$work/peer" "$doc")
  pdf="$work/peer/${name%.*}.pdf"
  t_png=$(seconds pdftoppm -r 72 -png "$pdf" "$work/peer/page")
  pages=$(ls "$work/peer"/page*.png | wc -l)
  total=$(awk "BEGIN { print $t_pdf + $t_png }")
  printf '%-22s %-28s %6d %8.2f %9.1f\n' "$name" "soffice + pdftoppm -png" "$pages" "$total" "$(rate "$pages" "$total")"
  for format in png jpg bmp; do
    rm -rf "$work/ours"
    t=$(seconds "$build/src/cli/paginox-convert" --format $format --output "$work/ours" "$doc")
    pages=$(ls "$work/ours" | wc -l)
    printf '%-22s %-28s %6d %8.2f %9.1f\n' "$name" "paginox-convert --format $format" "$pages" "$t" "$(rate "$pages" "$t")"
  done
done
echo
"$build/bench/convert/paginox_bench_convert" "${docs[@]}"
