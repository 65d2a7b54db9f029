#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""gearcalc --report FILE -o NOTE: the calculation note written with no
display, as PDF (read back by pdftotext, each section of the contents on the
sheet the contents give) and as OpenDocument (its text read out of the zip
as LibreOffice would), and the exit statuses of what cannot be written.

Usage: report_note.py GEARCALC DATA_DIR WORK_DIR"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
import zipfile

gearcalc, data, work = sys.argv[1:4]
os.makedirs(work, exist_ok=True)
# No display at all: the note must not need one.
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
sample = os.path.join(data, "hardened.gear")


def report(*args):
    return subprocess.run([gearcalc, "--report", *args], capture_output=True, text=True, env=env, timeout=120)


def pdf_text(path, page=None):
    pages = ["-f", str(page), "-l", str(page)] if page else []
    return subprocess.run(["pdftotext", "-layout", *pages, path, "-"], capture_output=True, text=True,
                          check=True).stdout


pdf = os.path.join(work, "note.pdf")
run = report(sample, "-o", pdf, "--author", "Иванов И. И.", "--group", "МТ-301", "--variant", "17")
assert run.returncode == 0, run
first = pdf_text(pdf, 1)
for text in ("ПОЯСНИТЕЛЬНАЯ ЗАПИСКА", "Иванов И. И.", "МТ-301", "17"):
    assert text in first, f"the title page lacks {text!r}:\n{first}"
# Each line of the contents: a section and the sheet it begins on.
whole = pdf_text(pdf)
assert "Содержание" in whole, whole
# (the sheet's title block, from «Изм.» on, is no part of them).
listed = whole.split("Содержание", 1)[1].split("\f", 1)[0].split("Изм.", 1)[0]
contents = re.findall(r"^ *(\S[^\n]*?\S) {3,}(\d+) *$", listed, re.M)
assert {"Передача", "Заключение", "Список использованных источников"} <= {title for title, _ in contents}, contents
for title, sheet in contents:
    assert title in pdf_text(pdf, int(sheet)), f"«{title}» is not on sheet {sheet}"

odt = os.path.join(work, "note.odt")
run = report(sample, "-o", odt, "--author", "Иванов И. И.")
assert run.returncode == 0, run
with zipfile.ZipFile(odt) as archive:
    assert archive.read("mimetype") == b"application/vnd.oasis.opendocument.text"
    text = "".join(ET.fromstring(archive.read("content.xml")).itertext())
for title, _ in contents:
    assert title in text, f"the OpenDocument note lacks «{title}»"
assert "Иванов И. И." in text

# What cannot be used: the file refused (1); the note's type, a missing
# file or a folder that is not there (2). Nothing is left behind.
for args, status in [
    ([sample, "-o", os.path.join(work, "steps.pdf"), "--steps"], 2),
    ([sample, "-o", os.path.join(work, "author.pdf"), "--author"], 2),
    ([os.path.join(data, "variants.csv"), "-o", os.path.join(work, "refused.pdf")], 1),
    ([sample, "-o", os.path.join(work, "note.txt")], 2),
    ([os.path.join(data, "no-such.gear"), "-o", os.path.join(work, "missing.pdf")], 2),
    ([sample, "-o", os.path.join(work, "no-such-folder", "note.pdf")], 2),
]:
    run = report(*args)
    assert run.returncode == status, (args, run)
    assert run.stderr.strip(), f"{args}: no word of why"
    assert not os.path.exists(args[-1]), f"{args[-1]} was written"
print("the note: PDF and OpenDocument, contents on their sheets")
