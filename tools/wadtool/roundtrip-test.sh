#!/usr/bin/env bash
# pack -> list -> extract gives the same bytes; bad archives fail with one line naming the file.
set -euo pipefail
wadtool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/in/gfx/system" "$work/in/sfx"
head -c 20000 /dev/urandom > "$work/in/gfx/system/Flags.tga"
head -c 30000 /dev/zero | tr '\0' z > "$work/in/sfx/click.wav"
: > "$work/in/empty.bin"
printf 'hello\n' > "$work/in/readme.txt"

"$wadtool" pack "$work/game.dat" "$work/in" > /dev/null
"$wadtool" list "$work/game.dat" > "$work/list.txt"
[ "$(wc -l < "$work/list.txt")" -eq 4 ] || { echo "list shows $(wc -l < "$work/list.txt") entries"; exit 1; }
grep -q ' gfx/system/Flags.tga$' "$work/list.txt" || { echo "list lacks Flags.tga"; exit 1; }
"$wadtool" verify "$work/game.dat" > /dev/null
"$wadtool" extract "$work/game.dat" "$work/out" > /dev/null
diff -r "$work/in" "$work/out"

expect_failure() {  # expect_failure NAME COMMAND...: exit 1 and one stderr line naming the archive
    local name=$1; shift
    local status=0
    "$@" > /dev/null 2> "$work/err.txt" || status=$?
    if [ "$status" -ne 1 ] || [ "$(wc -l < "$work/err.txt")" -ne 1 ] || ! grep -q "$work/bad.dat" "$work/err.txt"; then
        echo "$name: status $status, stderr:"; cat "$work/err.txt"; exit 1
    fi
}

head -c 50 "$work/game.dat" > "$work/bad.dat"
expect_failure "truncated table" "$wadtool" list "$work/bad.dat"
printf 'not an archive at all' > "$work/bad.dat"
expect_failure "no archive" "$wadtool" verify "$work/bad.dat"
cp "$work/game.dat" "$work/bad.dat"
size=$(stat -c %s "$work/bad.dat")
printf '\xff\xff\xff\xff' | dd of="$work/bad.dat" bs=1 seek=$((size - 8)) conv=notrunc status=none
expect_failure "damaged entry" "$wadtool" verify "$work/bad.dat"
expect_failure "damaged entry extracted" "$wadtool" extract "$work/bad.dat" "$work/out2"
rm -f "$work/bad.dat"
expect_failure "missing archive" "$wadtool" list "$work/bad.dat"
echo "wadtool round trip OK"
