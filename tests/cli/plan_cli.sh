#!/usr/bin/env bash
# kovel-cli on plans and the symbol library: convert imports a plan into a document, info
# reads plans directly, a file that is no plan fails with the import's message, and the
# shipped library lists its symbols.
# Usage: plan_cli.sh KOVEL_CLI SOURCE_DIR
set -euo pipefail
cli="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
plan="$src/tests/data/realplans/barcelona_pavilion.cap"

# convert: the real plan becomes a document of its 1211 background objects on A2.
"$cli" convert "$plan" "$tmp/pavilion.cpr"
"$cli" info "$tmp/pavilion.cpr" > "$tmp/doc.json"
"$cli" info "$plan" > "$tmp/plan.json"
python3 - "$tmp/doc.json" "$tmp/plan.json" <<'PY'
import json, sys
doc, plan = (json.load(open(p)) for p in sys.argv[1:])
want = {"background": 1211, "paperMm": [594, 420], "unitsPerMm": 50.0,
        "classes": {"CArdoRect": 954, "CArdoPolyline": 257}}
for info in (doc, plan):
    for key, value in want.items():
        if info.get(key) != value:
            sys.exit(f"{key} = {info.get(key)!r}, expected {value!r}")
PY

# Not a plan: the import's message, exit 1, nothing written.
printf 'no plot file' > "$tmp/fake.cap"
if "$cli" convert "$tmp/fake.cap" "$tmp/fake.cpr" 2> "$tmp/err"; then fail "convert accepted a non-plan"; fi
grep -q "keine Velmarstad Kovel Datei" "$tmp/err" || fail "wrong message: $(cat "$tmp/err")"
[ ! -e "$tmp/fake.cpr" ] || fail "convert wrote a file for a non-plan"

# symbols: the shipped library beside the program lists every room group.
lib="$(dirname "$cli")/Kovel.sym"
if [ -f "$lib" ]; then
  "$cli" symbols "$lib" > "$tmp/symbols.txt"
  for group in Marker Wohnen Schlafen Küche Bad Büro Maschine Anschlüsse; do
    grep -q " $group " "$tmp/symbols.txt" || fail "no $group symbol listed"
  done
  [ "$(wc -l < "$tmp/symbols.txt")" -ge 80 ] || fail "fewer than 80 symbols"
fi
echo "plan and symbol commands OK"
