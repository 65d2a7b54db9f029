#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""gearcalc --variants LIST --quiz QUIZ: the question bank read back by an
XML parser as Moodle's importer reads it, each embedded numerical answer
against the number the answers CSV gives for the same variant.

Usage: quiz_read_back.py GEARCALC DATA_DIR WORK_DIR"""
import csv
import math
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

gearcalc, data, work = sys.argv[1:4]
os.makedirs(work, exist_ok=True)
quiz_path = os.path.join(work, "quiz.xml")
answers_path = os.path.join(work, "quiz-answers.csv")
# The sample list has rows that are refused: exit status 1, the rest computed.
run = subprocess.run([gearcalc, "--variants", os.path.join(data, "variants.csv"), "--output", answers_path,
                      "--quiz", quiz_path], capture_output=True, text=True)
assert run.returncode == 1, run

# The columns a question asks for, in its order (docs/variants.md names them).
ASKED = {
    "transmission": ["m_design_mm", "m_mm", "d1_mm", "d2_mm", "aw_mm", "sigmaF1_MPa", "sigmaH1_MPa"],
    "wheel": ["mcalc_mm", "m_mm", "d_mm", "df_mm"],
    "check": ["m_mm", "Psibm", "T_Nm"],
}
TOLERANCE = 0.5  # per cent, the program's own where the list gives none

root = ET.parse(quiz_path).getroot()
assert root.tag == "quiz", root.tag
questions = root.findall("question")
assert questions[0].get("type") == "category", "the bank opens with its category"
assert questions[0].find("category/text").text.startswith("$course$/")
cloze = {}
for question in questions[1:]:
    # Moodle's importer knows each element by these paths.
    assert question.get("type") == "cloze", question.get("type")
    name = question.find("name/text").text
    text = question.find("questiontext/text").text
    assert question.find("questiontext").get("format") == "html"
    feedback = question.find("generalfeedback/text").text
    assert "Проектный расчёт" in feedback or "Модуль" in feedback or "Проверочный" in feedback, feedback[:200]
    found = re.findall(r"\{1:NUMERICAL:=([^:}]+):([^}]+)\}", text)
    assert found, text
    # Nothing else in braces: a stray one would break Moodle's parser.
    assert text.count("{") == len(found) and text.count("}") == len(found), text
    assert name not in cloze, f"{name} twice"
    cloze[name] = [(float(value), float(error)) for value, error in found]

rows = list(csv.DictReader(open(answers_path, encoding="utf-8")))
assert len(rows) == len(cloze), (len(rows), sorted(cloze))
for row in rows:
    mode = row["mode"]
    expected = [float(row[f"{mode}.{column}"]) for column in ASKED[mode] if row[f"{mode}.{column}"]]
    got = cloze[f"Вариант {row['variant']}"]
    assert len(got) == len(expected), (row["variant"], got, expected)
    for (value, error), number in zip(got, expected):
        assert value == number, (row["variant"], value, number)
        assert math.isclose(error, abs(number) * TOLERANCE / 100, rel_tol=1e-5), (value, error)
print(f"{len(cloze)} questions, {sum(len(v) for v in cloze.values())} answers read back")
