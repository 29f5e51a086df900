#!/usr/bin/env bash
# Runs paginox-convert as a user would and checks its output and exit status.
set -u
convert=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
sample=$(ls "$root"/samples/*.docx | head -n 1)
check() { # description, expected status, actual status
  if [ "$2" != "$3" ]; then echo "FAIL: $1 (status $3, expected $2)"; failures=$((failures + 1)); else echo "ok: $1"; fi
}

"$convert" --help >"$work/help" 2>&1; check "--help" 0 $?
grep -q '^Usage: paginox-convert' "$work/help" || { echo "FAIL: usage text"; failures=$((failures + 1)); }

"$convert" --format gif "$sample" >/dev/null 2>"$work/err"; check "bad format" 2 $?
grep -q "unknown format 'gif'" "$work/err" || { echo "FAIL: bad format message"; failures=$((failures + 1)); }
"$convert" --scale 20 "$sample" >/dev/null 2>&1; check "scale out of range" 2 $?
"$convert" "$work/missing.docx" >/dev/null 2>&1; check "missing file" 2 $?

mkdir "$work/in"
cp "$sample" "$root/tests/corpus/simple.doc" "$work/in/"
echo "not a document" >"$work/in/notes.txt"
"$convert" --format bmp --scale 50 --output "$work/out/deep" "$work/in" >"$work/stdout" 2>"$work/stderr"; check "folder converts" 0 $?
written=$(wc -l <"$work/stdout")
files=$(find "$work/out/deep" -name '*.bmp' | wc -l)
[ "$written" -ge 2 ] && [ "$written" = "$files" ] || { echo "FAIL: $written lines printed, $files files"; failures=$((failures + 1)); }
while read -r f; do [ -s "$f" ] || { echo "FAIL: printed file $f missing"; failures=$((failures + 1)); }; done <"$work/stdout"
grep -q 'simple.doc: page 1 of 1' "$work/stderr" || { echo "FAIL: progress on stderr"; failures=$((failures + 1)); }

"$convert" --output "$work/out2" "$root/tests/corpus/simple.doc" "$root/tests/corpus/truncated62886.docx" >"$work/stdout" 2>"$work/stderr"; check "broken document" 1 $?
grep -q 'Failed to open the word document' "$work/stderr" || { echo "FAIL: open failure message"; failures=$((failures + 1)); }
grep -q '^Cannot open .*truncated62886.docx' "$work/stderr" || { echo "FAIL: the document that would not open is not named"; failures=$((failures + 1)); }
[ "$(wc -l <"$work/stdout")" = 1 ] || { echo "FAIL: the page before the broken document"; failures=$((failures + 1)); }

# Ctrl+C in a terminal reaches the whole process group: the run stops after its page.
setsid "$convert" --output "$work/out3" "$root/tests/corpus/53379.doc" >"$work/stdout" 2>"$work/stderr" &
runner=$!
for _ in $(seq 600); do grep -q 'page 2 of 30' "$work/stderr" 2>/dev/null && break; sleep 0.05; done
kill -INT -- "-$runner"
wait "$runner"; check "Ctrl+C stops the run" 1 $?
grep -q '^Stopped!' "$work/stderr" || { echo "FAIL: no stop reported"; cat "$work/stderr"; failures=$((failures + 1)); }
if grep -q 'failed\|status' "$work/stderr"; then echo "FAIL: the stop was reported as failures"; failures=$((failures + 1)); fi
written=$(wc -l <"$work/stdout")
[ "$written" -ge 2 ] && [ "$written" -lt 30 ] || { echo "FAIL: $written pages written before the stop"; failures=$((failures + 1)); }

[ "$failures" = 0 ]
