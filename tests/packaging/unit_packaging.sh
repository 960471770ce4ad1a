#!/usr/bin/env bash
# make install and make uninstall over folders of the test's own: an install into a prefix and a
# staged install (DESTDIR) for the same prefix. Uninstalling the staged one removes exactly its
# files and folders and leaves the other install alone; a DESTDIR other than the install's, or a
# file changed since the install, makes uninstall refuse and remove nothing.
# Usage: unit_packaging.sh BUILD_DIR
set -euo pipefail
build=$1
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
stage=$tmp/stage
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
files_of() { (cd "$1" && find . -mindepth 1 | sort); }

bash "$scripts/install" "$build" "$prefix" "$tmp/live.txt" >/dev/null 2>&1
DESTDIR=$stage bash "$scripts/install" "$build" "$prefix" "$tmp/staged.txt" >/dev/null
[ -x "$prefix/bin/pinleaf" ] && [ -x "$stage$prefix/bin/pinleaf" ] || fail "an install is missing"
grep -q "^file [0-9a-f]\{64\} $stage$prefix/bin/pinleaf\$" "$tmp/staged.txt" ||
    fail "the record does not name the staged program: $(cat "$tmp/staged.txt")"
# The launcher is a valid entry whose "New Note" action asks for a new note.
launcher=$prefix/share/applications/pinleaf.desktop
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$launcher" 2>&1) && [ -z "$out" ] || fail "the launcher: $out"
fi
[ "$(sed -n '/^\[Desktop Action NewNote\]$/,/^\[/p' "$launcher" | grep -c -x -e 'Exec=pinleaf --new' \
    -e 'Name=New Note' -e 'Name\[de\]=Neue Notiz')" -eq 3 ] &&
    grep -q -x 'Actions=NewNote;' "$launcher" || fail "no New Note action: $(cat "$launcher")"
live=$(files_of "$prefix")
staged=$(files_of "$stage")

# Refused, with a message, and nothing removed: another DESTDIR, then a file changed since.
entry=$stage$prefix/share/applications/pinleaf.desktop
cp "$entry" "$tmp/entry"
for destdir in "$tmp/other" ""; do
    [ -z "$destdir" ] && echo "X-Changed=true" >>"$entry"
    if out=$(DESTDIR=$destdir bash "$scripts/uninstall" "$tmp/staged.txt" 2>&1); then
        fail "uninstall with DESTDIR='$destdir' went ahead: $out"
    fi
    grep -q "^Not uninstalling: " <<<"$out" || fail "no reason given: $out"
    [ "$(files_of "$stage")" = "$staged" ] && [ "$(files_of "$prefix")" = "$live" ] ||
        fail "a refused uninstall removed files"
done
cp "$tmp/entry" "$entry"

# The staged install goes, files and folders; the other stays as it was.
DESTDIR=$stage bash "$scripts/uninstall" "$tmp/staged.txt" >/dev/null
[ -z "$(files_of "$stage")" ] || fail "left in the staging folder: $(files_of "$stage")"
[ "$(files_of "$prefix")" = "$live" ] || fail "the other install changed: $(files_of "$prefix")"
[ ! -e "$tmp/staged.txt" ] || fail "the record of a finished uninstall stayed"
out=$(bash "$scripts/uninstall" "$tmp/staged.txt")
grep -q "^Nothing to uninstall" <<<"$out" || fail "a second uninstall said: $out"

bash "$scripts/uninstall" "$tmp/live.txt" >/dev/null 2>&1
[ ! -e "$prefix" ] || fail "left in the prefix: $(files_of "$prefix")"
echo "install and uninstall: exactly their own files"
