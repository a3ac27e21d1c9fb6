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

# convert, to the byte: plans holding each path case, and the documents they must give,
# written independently of the program from the record layouts.
python3 - "$tmp" <<'PY'
import math, struct, sys
out = sys.argv[1]
f = lambda *v: struct.pack('<%df' % len(v), *v)
i32 = lambda *v: struct.pack('<%di' % len(v), *v)
w16 = lambda *v: struct.pack('<%dH' % len(v), *v)

def plan(records, sheet_mode=0, width=0, height=0):
    params = {3: 1.0, 26: float(sheet_mode), 31: 0.0, 32: 1.0, 33: 1.0}
    head = b'AMF' + f(0, 0, 33) + b''.join(f(params.get(n, 0.0)) for n in range(2, 34))
    head += f(3, 0, width, height) + f(0)
    return head + b''.join(records) + b'Z' + f(0, 0)

B = lambda x, y: b'B' + f(x, y)
C = lambda x, y: b'C' + f(x, y)
K = lambda r, g, b: b'K' + bytes([r, g, b])
H = lambda r, g, b: b'H' + bytes([r, g, b])
J = lambda mm: b'J' + f(mm)
I = lambda *pts: b'I' + f(2 * len(pts)) + b''.join(f(*p) for p in pts)

classes = {}
def tag(name):
    # New class: 0xFFFF, schema 0, name; then the class and the object each take an index.
    global next_index
    if name in classes:
        t = w16(0x8000 | classes[name])
        next_index += 1
        return t
    classes[name] = next_index
    next_index += 2
    return w16(0xFFFF, 0, len(name)) + name.encode()

def base(pos, color, width, brush=0, fill=0xC0C0C0):
    return i32(*pos) + w16(1) + struct.pack('<IiiI', 6, width, width, color) + w16(brush) + struct.pack('<IIi', 0, fill, 0)

def line(p0, p1, color, width):
    return tag('CArdoRect') + base((*p0, *p1), color, width) + w16(3) + i32(16, 16)

def poly(cls, pts, color, width, filled=False, fill=0xC0C0C0):
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    l, t, r, b = min(xs), min(ys), max(xs), max(ys)
    if l == r: l, r = l - 2, r + 2
    if t == b: t, b = t - 2, b + 2
    alloc = (len(pts) + 9) // 10 * 10
    body = base((l, t, r, b), color, width, int(filled), fill) + w16(len(pts), alloc)
    return tag(cls) + body + b''.join(i32(*p) for p in pts)

def document(objects, paper=(105, 149)):
    head = f(-100.0) + w16(23) + b'\x011' + f(0, 0) + w16(1000) + struct.pack('<I', 0x800000)
    head += f(1000, 1000) + w16(1, 5) + i32(*paper)
    return head + w16(len(objects)) + b''.join(objects) + w16(0) + struct.pack('<I', 0)

def write(name, data):
    open(f'{out}/{name}', 'wb').write(data)

# Every path case at 200 units per millimetre (the new document's A6 sheet).
BLACK, WHITE, RED, GREEN = 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00
U = 200
classes.clear(); next_index = 1
long_path = [B(0, 0)] + [C(i, i % 2) for i in range(1, 600)]
write('edges.cap', plan([
    K(255, 255, 255), J(0.35), B(0, 0), C(10, 0),   # white plot lines are black
    K(0, 0, 0), B(0, 0), C(10, 0), C(10, 10),       # black plot lines are white
    K(255, 0, 0), B(1, 1), C(5, 5), C(5, 5), C(9, 1),  # red stays; the repeat is stored once
    H(0, 255, 0), I((0, 0), (10, 0), (10, 10), (0, 0)),  # closed: a polygon
    I((0, 0), (10, 0), (10, 10)),                   # open: no object
    I((2, 2), (4, 2), (2, 2)),                      # two corners: no object
    *long_path,                                     # only the first 512 points
]))
write('edges.expected', document([
    line((0, 0), (10 * U, 0), BLACK, 35),
    poly('CArdoPolyline', [(0, 0), (10 * U, 0), (10 * U, 10 * U)], WHITE, 35),
    poly('CArdoPolyline', [(U, U), (5 * U, 5 * U), (9 * U, U)], RED, 35),
    poly('CArdoPoly', [(0, 0), (10 * U, 0), (10 * U, 10 * U), (0, 0)], RED, 35, True, GREEN),
    poly('CArdoPolyline', [(i * U, (i % 2) * U) for i in range(512)], RED, 35),
]))

# Sheet mode 2 on 420 x 297 mm: 70 units per millimetre, the sheet stored as 420 x 297.
classes.clear(); next_index = 1
write('sheet.cap', plan([K(255, 255, 255), B(0, 0), C(10, 0)], sheet_mode=2, width=420, height=297))
write('sheet.expected', document([line((0, 0), (700, 0), BLACK, 0)], paper=(420, 297)))

# Arcs: a full circle of 100 mm radius, and a tiny one that keeps the minimum of 20 segments.
def segments(radius, sweep):
    g = radius / 1.0
    h = 41.067 / (g + 0.4667) + 2.0 if g < 100 else 46.0042 / (g + 0.50833) + 0.5
    q = sweep / h / 0.017453293
    return int(q) if q > 20 else 20
G = lambda cx, cy, r, w: b'G' + f(cx, cy, r, r, 0, w, 0)
write('arcs.cap', plan([G(200, 200, 100, 2 * math.pi), G(50, 50, 1, 2 * math.pi)]))
open(f'{out}/arcs.expected', 'w').write('%d %d\n' % (segments(100, 2 * math.pi) + 1, 21))
PY
for name in edges sheet; do
  "$cli" convert "$tmp/$name.cap" "$tmp/$name.cpr"
  cmp "$tmp/$name.cpr" "$tmp/$name.expected" || fail "convert of $name.cap differs from the expected document"
done
"$cli" dump "$tmp/arcs.cap" | python3 -c '
import json, sys
points = " ".join(str(len(o["points"])) for o in json.load(sys.stdin)["background"])
print(points)' > "$tmp/arcs.points"
cmp "$tmp/arcs.points" "$tmp/arcs.expected" || fail "arc points $(cat "$tmp/arcs.points"), expected $(cat "$tmp/arcs.expected")"

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
