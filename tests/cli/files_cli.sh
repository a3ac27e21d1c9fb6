#!/usr/bin/env bash
# kovel-cli and the files around it: what cannot be a document or plan (empty, a folder,
# a FIFO, 2 GB) is refused at once with its own message, a plan cut off imports with a
# warning, documents are never written under ".cap" nor over the command's own input,
# saves keep symbolic links, a failing save or export (full disk, read-only folder) leaves
# the previous file and nothing else, and file names need not be UTF-8.
# Usage: files_cli.sh KOVEL_CLI SOURCE_DIR; KOVEL_CLI_RENDERS=1 when built with Qt.
set -euo pipefail
cli="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs a command; prints its status, keeps its stderr in $tmp/err. A FIFO that made the
# program wait for a writer would end in timeout's status 124 instead of failing the check.
status() { set +e; timeout 60 "$@" 2> "$tmp/err"; local s=$?; set -e; echo "$s"; }
expect() { grep -qF -- "$1" "$tmp/err" || fail "expected \"$1\", got: $(cat "$tmp/err")"; }
plan="$src/tests/data/realplans/barcelona_pavilion.cap"
cd "$tmp"

# Files that cannot be read: each its own message, status 1.
: > empty.cap
mkdir folder.cap
mkfifo pipe.cap pipe.cpr
truncate -s 2G huge.cpr
[ "$(status "$cli" info gone.cap)" = 1 ] && expect $'gone.cap\nDatei nicht gefunden.'
[ "$(status "$cli" info empty.cap)" = 1 ] && expect $'empty.cap\nDie Datei ist leer.'
[ "$(status "$cli" info folder.cap)" = 1 ] && expect $'folder.cap\nist ein Ordner, keine Datei.'
[ "$(status "$cli" info pipe.cap)" = 1 ] && expect $'pipe.cap\nist keine gewöhnliche Datei.'
[ "$(status "$cli" info pipe.cpr)" = 1 ] && expect $'pipe.cpr\nist keine gewöhnliche Datei.'
[ "$(status "$cli" info huge.cpr)" = 1 ] && expect $'huge.cpr\nDie Datei ist zu groß'
[ "$(status "$cli" symbols huge.cpr)" = 1 ] || fail "a 2 GB symbol library was read"
# A stream is read up to the same limit, not on and on.
[ "$(status bash -c '"$1" build - -o stream.cpr < /dev/zero' - "$cli")" = 1 ] && expect $'-\nDie Datei ist zu groß'
[ ! -e stream.cpr ] || fail "an endless stream gave a document"
if [ "$(id -u)" != 0 ]; then  # root reads anything
  cp "$plan" locked.cap && chmod 000 locked.cap
  [ "$(status "$cli" info locked.cap)" = 1 ] && expect "Zugriff auf locked.cap verweigert."
fi
echo "unreadable files refused OK"

# A plan cut off in the middle: what it holds is imported, with a warning.
head -c 20000 "$plan" > cut.cap
[ "$(status "$cli" convert cut.cap cut.cpr)" = 0 ] || fail "a cut-off plan was not converted: $(cat "$tmp/err")"
expect $'cut.cap\nDer Plan endet vorzeitig'
objects=$("$cli" info cut.cpr | python3 -c 'import json,sys; print(json.load(sys.stdin)["background"])')
[ "$objects" -gt 0 ] || fail "the cut-off plan gave no objects"
echo "cut-off plan OK"

# Never a document under ".cap", never over the input, also through a link.
[ "$(status "$cli" new doc.CAP)" = 1 ] && expect $'doc.CAP\nEin Dokument wird nicht unter dem Namen eines Plans'
[ ! -e doc.CAP ] || fail "a document was written under .cap"
cp "$plan" input.cap
ln -s input.cap output.cpr
[ "$(status "$cli" convert input.cap output.cpr)" = 1 ] && expect "würde die eingelesene Datei überschreiben"
cmp -s "$plan" input.cap || fail "convert wrote over its input"
"$cli" new doc.cpr
"$cli" dump doc.cpr > doc.json
[ "$(status "$cli" build doc.json -o doc.json)" = 1 ] && expect "würde die eingelesene Datei überschreiben"
"$cli" dump doc.cpr | cmp -s - doc.json || fail "build wrote over its input"
echo "outputs never replace inputs OK"

# Saving through a symbolic link writes its target and keeps the link; the mode stays.
mkdir real
"$cli" new real/target.cpr
chmod 640 real/target.cpr
ln -s real/target.cpr link.cpr
"$cli" convert "$plan" link.cpr
[ -L link.cpr ] || fail "the link was replaced"
[ "$(stat -c %a real/target.cpr)" = 640 ] || fail "the mode changed to $(stat -c %a real/target.cpr)"
"$cli" info real/target.cpr | grep -q '"background": 1211' || fail "the link's target was not written"
echo "symbolic links OK"

# File names that are not UTF-8 (Latin-1 "Größe") are used as they are.
latin1="$(printf 'Gr\xf6\xdfe')"
cp "$plan" "$latin1.cap"
"$cli" convert "$latin1.cap" "$latin1.cpr"
"$cli" info "$latin1.cpr" | grep -q '"background": 1211' || fail "no document under the Latin-1 name"
if [ "${KOVEL_CLI_RENDERS:-0}" = 1 ]; then
  "$cli" render "$latin1.cap" -o "$latin1.svg" --size 100x80 2> /dev/null
  [ -s "$latin1.svg" ] || fail "render did not write under the Latin-1 name"
  [ "$(ls | grep -c '\.svg$')" = 1 ] || fail "render wrote under another name: $(ls)"
fi
echo "non-UTF-8 names OK"

# A full disk: a real small tmpfs where a user namespace allows mounting one, else a file
# size limit (ulimit -f), which the program reports the same way. The folder holds the
# previous old.cpr and old.svg; afterwards $tmp/listing names what it holds and
# $tmp/contents has both files' content.
full_disk() {
  local script='cd "$1" && shift && echo previous > old.cpr && echo previous > old.svg
    [ -z "${FILL:-}" ] || head -c "$FILL" /dev/zero > filler 2> /dev/null
    "$@" 2> ../err; s=$?; ls -A | grep -v "^filler$" > ../listing; cat old.cpr old.svg > ../contents; exit $s'
  rm -rf disk && mkdir disk
  if unshare -rm true 2> /dev/null; then
    FILL=1000000 unshare -rm bash -c 'mount -t tmpfs -o size=64k tmpfs disk && '"$script" - disk "$@"
  else
    (ulimit -f 8; bash -c "$script" - disk "$@")
  fi
}
check_full_disk() {  # check_full_disk STATUS WHAT
  [ "$1" = 1 ] || fail "$2 on a full disk exited $1"
  expect "Nicht genügend Speicherplatz auf dem Datenträger."
  [ "$(sort listing | tr '\n' ' ')" = "old.cpr old.svg " ] || fail "$2 left files: $(cat listing)"
  [ "$(cat contents)" = $'previous\nprevious' ] || fail "$2 changed the previous files"
}
set +e; full_disk "$cli" convert "$plan" old.cpr; s=$?; set -e
check_full_disk "$s" "a save"
expect "old.cpr"
if [ "${KOVEL_CLI_RENDERS:-0}" = 1 ]; then
  for out in old.svg new.pdf new.png; do
    set +e; full_disk "$cli" render "$plan" -o "$out" --size 2000x2000; s=$?; set -e
    check_full_disk "$s" "an export to $out"
  done
fi
echo "full disk OK"

# A read-only folder: the old file stays, nothing is added. Root may write anywhere, so
# there the folder is made read-only by a read-only mount in a user namespace.
mkdir ro
echo previous > ro/old.cpr
if [ "$(id -u)" != 0 ]; then
  chmod 555 ro
  s=$(status "$cli" convert "$plan" ro/old.cpr)
  chmod 755 ro
elif unshare -rm true 2> /dev/null; then
  s=$(status unshare -rm bash -c 'mount --bind ro ro && mount -o remount,bind,ro ro && exec "$@"' - \
      "$cli" convert "$plan" ro/old.cpr)
else
  echo "read-only folder skipped: root without user namespaces"
  exit 0
fi
[ "$s" = 1 ] || fail "a save into a read-only folder exited $s"
expect $'old.cpr\nIn diesem Ordner dürfen keine Dateien angelegt werden.'
[ "$(cat ro/old.cpr)" = previous ] || fail "the old file changed"
[ "$(ls -A ro)" = old.cpr ] || fail "a failed save left files: $(ls -A ro)"
echo "read-only folder OK"
