#!/bin/sh
# zdl encrypt/decrypt from a script: the passphrase comes on standard input,
# a wrong one writes nothing and fails.
set -u
zdl=$1
data=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'Tr\303\250s secret\n' | "$zdl" encrypt "$data/plain.zdl" "$dir/enc.zdl" || fail "encrypt"
"$zdl" dump "$dir/enc.zdl" > "$dir/a" && "$zdl" dump "$data/encrypted.zdl" > "$dir/b"
cmp -s "$dir/a" "$dir/b" || fail "encrypted texts differ from the known answers"

printf 'not it\n' | "$zdl" decrypt "$dir/enc.zdl" "$dir/dec.zdl" 2>/dev/null && fail "wrong passphrase accepted"
[ -e "$dir/dec.zdl" ] && fail "wrong passphrase wrote a file"

printf 'Tr\303\250s secret\r\n' | "$zdl" decrypt "$dir/enc.zdl" "$dir/dec.zdl" || fail "decrypt"
"$zdl" dump "$dir/dec.zdl" > "$dir/a" && "$zdl" dump "$data/plain.zdl" > "$dir/b"
cmp -s "$dir/a" "$dir/b" || fail "decrypted book differs from the plain one"

printf '\n' | "$zdl" encrypt "$data/plain.zdl" "$dir/e2.zdl" 2>/dev/null && fail "empty passphrase accepted"
printf 'x\n' | "$zdl" decrypt "$data/plain.zdl" "$dir/e3.zdl" 2>/dev/null && fail "decrypted a plain book"

rows=$("$zdl" birthdays "$data/plain.zdl" --today 2024-05-10 --days 5)
[ "$rows" = "$(printf 'Ann Smith\t2\t44\t0')" ] || fail "birthdays: $rows"
[ -z "$("$zdl" birthdays "$data/encrypted.zdl" 2>/dev/null)" ] || fail "birthdays of an encrypted book"
echo PASS
