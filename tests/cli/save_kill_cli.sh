#!/usr/bin/env bash
# Killing kovel-cli (SIGKILL) at 50 random moments while it saves the large sample plan
# over an existing document: afterwards the document is always either the old file, byte
# for byte, or the complete new one, never a mixture; the next save removes the temporary
# files the killed saves left. Half the kills come at a random moment of the run, half as
# soon as the save's temporary file appears.
# Usage: save_kill_cli.sh KOVEL_CLI SOURCE_DIR
set -euo pipefail
cli="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
plan="$(dirname "$cli")/plans/large.cap"
[ -f "$plan" ] || plan="$src/tests/data/realplans/barcelona_pavilion.cap"

python3 - "$cli" "$plan" "$tmp" <<'PY'
import os, random, signal, subprocess, sys, time

cli, plan, folder = sys.argv[1:4]
target = os.path.join(folder, "plan.cpr")

def content():
    with open(target, "rb") as f:
        return f.read()

def temporaries():
    return [n for n in os.listdir(folder) if n.startswith(".plan.cpr.") and n.endswith(".tmp")]

def put_back(data):
    # Not through the program: the old document comes back by a rename of its own.
    spare = os.path.join(folder, "spare")
    with open(spare, "wb") as f:
        f.write(data)
    os.replace(spare, target)

subprocess.run([cli, "convert", plan, target], check=True, stderr=subprocess.DEVNULL)
new = content()
subprocess.run([cli, "new", target], check=True)
old = content()
assert old != new

# The kill moments spread over one uninterrupted run (and a little beyond).
start = time.monotonic()
subprocess.run([cli, "convert", plan, target], check=True, stderr=subprocess.DEVNULL)
run = time.monotonic() - start
put_back(old)

rng = random.Random(1208)
kept_old = completed = mid_save = 0
for i in range(50):
    proc = subprocess.Popen([cli, "convert", plan, target], stderr=subprocess.DEVNULL)
    if i % 2:
        while proc.poll() is None and not temporaries():
            pass
    else:
        time.sleep(rng.uniform(0, run * 1.2))
    saving = bool(temporaries())
    proc.send_signal(signal.SIGKILL)
    proc.wait()
    data = content()
    if data == old:
        kept_old += 1
        mid_save += saving and proc.returncode == -signal.SIGKILL
    elif data == new:
        completed += 1
        put_back(old)
    else:
        sys.exit(f"kill {i}: the document is neither the old nor the new file ({len(data)} bytes)")

left = len(temporaries())
subprocess.run([cli, "convert", plan, target], check=True, stderr=subprocess.DEVNULL)
if content() != new:
    sys.exit("the save after the kills did not write the document")
if temporaries():
    sys.exit(f"temporary files outlived the next save: {temporaries()}")
print(f"50 kills: old file intact {kept_old} times ({mid_save} of them killed during the save), "
      f"save complete {completed} times; {left} left-over temporary files removed by the next save")
PY
