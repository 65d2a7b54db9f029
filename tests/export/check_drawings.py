#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads every DXF file of a folder back with ezdxf, as a CAD program would,
and fails on any error its audit finds, on a missing layer, or when the
texts and lines the drawing must carry are not there."""
import pathlib
import sys

from ezdxf import recover

LAYERS = {"OUTLINE", "THIN", "HIDDEN", "CENTRE", "HATCH", "DIMENSIONS", "FRAME"}


def check(path):
    problems = []
    doc, auditor = recover.readfile(str(path))
    if auditor.has_errors:
        problems += [f"audit: {e.message}" for e in auditor.errors]
    if doc.dxfversion != "AC1009":
        problems.append(f"version {doc.dxfversion}, not R12")
    missing = LAYERS - {layer.dxf.name for layer in doc.layers}
    if missing:
        problems.append(f"layers missing: {sorted(missing)}")
    msp = doc.modelspace()
    # ezdxf turns the \U+XXXX of the file back into letters, as CAD does.
    texts = [t.dxf.text for t in msp.query("TEXT")]
    if not any(t.startswith("da") and " = " in t for t in texts):
        problems.append("no text of the tip diameter")
    if path.stem.startswith("solid") and "Lст = 40" not in texts:
        problems.append("the hub length is not written in Cyrillic")
    for layer in ("OUTLINE", "DIMENSIONS"):
        if not len(msp.query(f'*[layer=="{layer}"]')):
            problems.append(f"nothing on layer {layer}")
    return problems, texts


def main():
    folder = pathlib.Path(sys.argv[1])
    files = sorted(folder.glob("*.dxf"))
    if not files:
        print(f"no DXF files in {folder}")
        return 1
    failed = 0
    for path in files:
        problems, texts = check(path)
        print(f"{path.name}: {len(texts)} texts, {'ok' if not problems else '; '.join(problems)}")
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
