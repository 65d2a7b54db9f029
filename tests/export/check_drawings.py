#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads every drawing of a folder back as other programs read them: each
DXF file strictly with ezdxf (a number it cannot read, "0,5" for one, is an
error, not a repair) and its audit, each SVG file with an XML parser and
every number of its geometry as a number. Fails on any error, on a missing
layer, or when the texts and lines a drawing must carry are not there."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode

LAYERS = {"OUTLINE", "THIN", "HIDDEN", "CENTRE", "HATCH", "DIMENSIONS", "FRAME"}
SVG = "{http://www.w3.org/2000/svg}"
# A number as SVG writes it, and a list of them.
NUMBER = re.compile(r"-?(\d+(\.\d*)?|\.\d+)([eE][-+]?\d+)?")
NUMBERS = re.compile(r"^\s*(%s)([\s,]+(%s))*\s*$" % (NUMBER.pattern, NUMBER.pattern))


def check_dxf(path):
    problems = []
    try:
        doc = ezdxf.readfile(str(path))
    except (ezdxf.DXFError, UnicodeDecodeError) as error:
        return [f"not read: {error}"], []
    auditor = doc.audit()
    problems += [f"audit: {e.message}" for e in auditor.errors]
    if doc.dxfversion != "AC1009":
        problems.append(f"version {doc.dxfversion}, not R12")
    missing = LAYERS - {layer.dxf.name for layer in doc.layers}
    if missing:
        problems.append(f"layers missing: {sorted(missing)}")
    msp = doc.modelspace()
    # The file keeps letters outside ASCII as \U+XXXX, as a CAD program
    # decodes them.
    texts = [decode_dxf_unicode(t.dxf.text) for t in msp.query("TEXT")]
    # A working drawing writes a diameter "⌀105".
    if not any(t.startswith("\u2300") and t[1:2].isdigit() for t in texts):
        problems.append("no text of a diameter")
    if not any(re.search("[А-Яа-я]", t) for t in texts):
        problems.append("no Cyrillic text")
    # LibreCAD draws a text in the font its style is named after, and its
    # STANDARD has no Cyrillic or Greek.
    styles = {t.dxf.style for t in msp.query("TEXT")}
    if styles & {"STANDARD", "Standard"} or not styles <= {s.dxf.name for s in doc.styles}:
        problems.append(f"texts in the styles {sorted(styles)}")
    for layer in ("OUTLINE", "DIMENSIONS"):
        if not len(msp.query(f'*[layer=="{layer}"]')):
            problems.append(f"nothing on layer {layer}")
    return problems, texts


def check_svg(path):
    problems = []
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        return [f"not XML: {error}"], []
    if root.tag != SVG + "svg":
        return [f"the root is {root.tag}"], []
    for size in ("width", "height"):
        if not re.fullmatch(NUMBER.pattern + "mm", root.get(size, "")):
            problems.append(f"{size}={root.get(size)!r}")
    if not NUMBERS.match(root.get("viewBox", "")) or len(root.get("viewBox").split()) != 4:
        problems.append(f"viewBox={root.get('viewBox')!r}")
    geometry = ("x", "y", "x1", "y1", "x2", "y2", "cx", "cy", "r", "width", "height", "font-size", "textLength",
                "stroke-width")
    for element in root.iter():
        for name in geometry:
            value = element.get(name)
            if value is not None and element is not root and not NUMBER.fullmatch(value):
                problems.append(f"<{element.tag[len(SVG):]} {name}={value!r}>")
        points = element.get("points")
        if points is not None and (not NUMBERS.match(points) or points.count(",") != len(points.split())):
            problems.append(f"<{element.tag[len(SVG):]} points={points[:40]!r}>")
    texts = ["".join(t.itertext()) for t in root.iter(SVG + "text")]
    # A working drawing writes a diameter "⌀105".
    if not any(t.startswith("\u2300") and t[1:2].isdigit() for t in texts):
        problems.append("no text of a diameter")
    return problems[:10], texts


def main():
    folder = pathlib.Path(sys.argv[1])
    files = sorted(folder.glob("*.dxf")) + sorted(folder.glob("*.svg"))
    if not files:
        print(f"no DXF or SVG files in {folder}")
        return 1
    failed = 0
    for path in files:
        problems, texts = (check_dxf if path.suffix == ".dxf" else check_svg)(path)
        print(f"{path.name}: {len(texts)} texts, {'ok' if not problems else '; '.join(problems)}")
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
