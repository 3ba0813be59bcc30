#!/usr/bin/env bash
# The command-line tool on a generated book: info, dump, copy, and its errors.
set -u
zdl=$1 gen=$2
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
passed=0 failed=0
check() { # name, condition result
  if [ "$2" = 0 ]; then passed=$((passed+1)); else failed=$((failed+1)); echo "FAIL: $1"; fi
}
"$gen" 25 "$tmp/a.zdl" 3
"$zdl" info "$tmp/a.zdl" > "$tmp/info"
grep -qx 'records: 25' "$tmp/info"; check "info counts records" $?
grep -qx 'encrypted: 0' "$tmp/info"; check "info shows the flag" $?
grep -q '^format: Zandolin 1.0' "$tmp/info"; check "info shows the identification" $?
"$zdl" dump "$tmp/a.zdl" > "$tmp/dump"
[ "$(wc -l < "$tmp/dump")" = 25 ]; check "dump prints a line per record" $?
python3 - "$tmp/dump" <<'PY'; check "dump lines are JSON with 57 fields" $?
import json, sys
for i, line in enumerate(open(sys.argv[1], encoding='utf-8')):
    o = json.loads(line)
    assert o["n"] == i and len(o["fields"]) == 57 and o["locked"] in (0, 1) and 0 <= o["category"] < 8
PY
"$zdl" copy "$tmp/a.zdl" "$tmp/b.zdl"; check "copy succeeds" $?
cmp -s "$tmp/a.zdl" "$tmp/b.zdl"; check "copy of our own book is byte-identical" $?
"$zdl" info "$tmp/missing.zdl" 2> "$tmp/err"; [ $? -ne 0 ]; check "missing book fails" $?
grep -q 'File not found' "$tmp/err"; check "missing book says why" $?
"$zdl" copy "$tmp/a.zdl" "$tmp/a.zdl/x" 2> /dev/null; [ $? -ne 0 ]; check "unwritable target fails" $?
"$zdl" bogus 2> /dev/null; [ $? -eq 2 ]; check "unknown command is a usage error" $?
echo "zdl: $passed passed, $failed failed"
[ "$failed" = 0 ]
