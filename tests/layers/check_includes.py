#!/usr/bin/env python3
"""Checks that every #include "..." of the sources points down the layers.

The core layers are ordered; a file may include its own layer and the layers before it.
platform/qt sits on platform only, cli on the core and platform/qt, app on everything but
cli. The core never includes a Qt header. Each broken rule is printed as file:line.

Usage: check_includes.py SOURCE_ROOT     checks the tree, exit status 1 on a broken rule
       check_includes.py --self-test     checks the checker on small planted trees
"""
import os
import re
import sys
import tempfile

# The core, lowest first. A new layer is one more line here, at its place.
CORE = [
    "platform",
    "commands",
    "objects",
    "document",
    "plan",
    "view",
    "tools",
]

# What each folder may include besides itself.
ALLOWED = {layer: set(CORE[: i + 1]) for i, layer in enumerate(CORE)}
ALLOWED["platform/qt"] = {"platform", "platform/qt"}
ALLOWED["cli"] = set(CORE) | {"platform/qt", "cli"}
ALLOWED["app"] = set(CORE) | {"platform/qt", "app"}

# Folders of data rather than code, open to every layer (the string table's texts).
DATA = {"res"}

# Layers that must build without Qt.
NO_QT = set(CORE)

# Includes against the direction that other changes under way remove. Each entry is
# (including file, included header, why); an entry that no longer matches fails the check,
# so the list shrinks as they land.
ALLOWLIST = [
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]|^Qt")
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".inc")


def folder_of(path):
    """The layer a source or include path belongs to, or None outside the layers."""
    parts = path.split("/")
    if parts[0] == "platform" and len(parts) > 2 and parts[1] == "qt":
        return "platform/qt"
    return parts[0] if len(parts) > 1 else None


def check(root, allowlist=ALLOWLIST):
    """Returns the list of problems found under root, each a printable line."""
    problems = []
    used = set()
    for top in sorted(ALLOWED):
        base = os.path.join(root, top)
        if "/" in top or not os.path.isdir(base):
            continue
        for dirpath, _, files in sorted(os.walk(base)):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                full = os.path.join(dirpath, name)
                rel = os.path.relpath(full, root).replace(os.sep, "/")
                layer = folder_of(rel)
                with open(full, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        quote, header = m.groups()
                        if quote == "<":
                            if layer in NO_QT and QT_HEADER.match(header):
                                problems.append(f"{rel}:{number}: includes <{header}>: {layer}/ builds without Qt")
                            continue
                        target = folder_of(header)
                        if target is None or target in DATA or target in ALLOWED[layer]:
                            continue
                        entry = next((e for e in allowlist if e[0] == rel and e[1] == header), None)
                        if entry:
                            used.add(entry)
                            continue
                        may = ", ".join(sorted(ALLOWED[layer]))
                        problems.append(f'{rel}:{number}: includes "{header}": {layer}/ may include only {may}')
    for entry in allowlist:
        if entry not in used:
            problems.append(f'{entry[0]}: no longer includes "{entry[1]}" ({entry[2]}): drop it from the allowlist')
    return problems


def self_test():
    """Plants trees with and without broken rules and checks what the checker says."""
    def tree(files):
        root = tempfile.mkdtemp(prefix="kovel-includes-")
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(text)
        return root

    failures = []

    def expect(name, problems, wanted):
        if [p.split(":")[0] + ":" + p.split(":")[1] for p in problems] != wanted:
            failures.append(f"{name}: expected {wanted}, got {problems}")

    good = tree({
        "platform/Geometry.h": '#include <vector>\n',
        "platform/StringTable.cpp": '#include "res/strings.inc"\n',
        "platform/qt/QtConvert.h": '#include <QPoint>\n#include "platform/Geometry.h"\n',
        "objects/ArdoObj.h": '#include "platform/Geometry.h"\n',
        "document/ArdoDoc.h": '#include "objects/ArdoObj.h"\n',
        "tools/Tool.cpp": '#include "view/ArdoView.h"\n#include "document/ArdoDoc.h"\n#include "Tool.h"\n',
        "cli/main.cpp": '#include "tools/Tool.h"\n#include "platform/qt/QtConvert.h"\n',
        "app/frame/Frame.cpp": '#include "tools/Tool.h"\n#include <QWidget>\n',
    })
    expect("clean tree", check(good, []), [])

    bad = tree({
        "objects/ArdoObj.cpp": '// draws\n#include "objects/ArdoObj.h"\n#include "document/ArdoDoc.h"\n',
        "view/ViewInput.cpp": '#include "tools/ToolCommands.h"\n',
        "platform/qt/QtConvert.cpp": '#include "objects/ArdoObj.h"\n',
        "document/ArdoDoc.cpp": '  #  include <QString>\n',
        "app/main.cpp": '#include "cli/Commands.h"\n',
        "cli/main.cpp": '#include "app/KovelApp.h"\n',
    })
    expect("planted includes", check(bad, []),
           ["app/main.cpp:1", "cli/main.cpp:1", "document/ArdoDoc.cpp:1", "objects/ArdoObj.cpp:3",
            "platform/qt/QtConvert.cpp:1", "view/ViewInput.cpp:1"])

    allowed = [("view/ViewInput.cpp", "tools/ToolCommands.h", "under way"),
               ("objects/Gone.cpp", "document/ArdoDoc.h", "under way")]
    problems = check(tree({"view/ViewInput.cpp": '#include "tools/ToolCommands.h"\n'}), allowed)
    expect("allowlist", problems, ["objects/Gone.cpp: no longer includes \"document/ArdoDoc.h\" (under way)"])

    for f in failures:
        print(f)
    print("self-test " + ("failed" if failures else "passed"))
    return 1 if failures else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__)
        return 2
    problems = check(argv[1])
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
