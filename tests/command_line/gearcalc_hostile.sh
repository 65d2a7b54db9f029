#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# gearcalc against what a hostile or careless command line gives it: paths
# that are no regular files, a list too large, writes that fail, names that
# would collide, and the answers read back as a spreadsheet would.
#   gearcalc_hostile.sh GEARCALC DATA_DIR WORK_DIR [PYTHON]
set -u
gearcalc=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$2
work=$3
python=${4:-python3}
rm -rf "$work" && mkdir -p "$work" || exit 1
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# Runs gearcalc with a deadline: $1 the exit status expected, $2 a pattern
# standard error must hold ('' for none), then the arguments.
expect() {
    status=$1 pattern=$2
    shift 2
    timeout 20 "$gearcalc" "$@" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" = "$status" ] || fail "gearcalc $* exited with $got, not $status: $(head -c 300 "$work/err")"
    if [ -n "$pattern" ] && ! grep -q -- "$pattern" "$work/err"; then
        fail "gearcalc $* said: $(head -c 300 "$work/err"), without '$pattern'"
    fi
}

# Only regular files are read, at once: a named pipe nobody writes into
# would wait for ever, a device never ends, a folder has no text.
mkfifo "$work/pipe.gear"
expect 2 'не обычный файл' "$work/pipe.gear"
expect 2 'не обычный файл' --variants "$work/pipe.gear"
expect 2 'папка' "$work"
expect 2 'папка' --variants "$work"
expect 2 'не обычный файл' --variants /dev/zero
[ "$(wc -c <"$work/err")" -lt 1000 ] || fail "--variants /dev/zero said $(wc -c <"$work/err") bytes"

# A list over its limit is refused whole, never cut and computed.
cp "$data/variants.csv" "$work/huge.csv"
truncate -s 101M "$work/huge.csv"
expect 2 'больше 100 МиБ' --variants "$work/huge.csv"
[ -s "$work/out" ] && fail "a list over the limit had answers"

# A cell of NUL bytes is quoted in 60 characters at most.
{ printf 'mode,m\n' && head -c 10000 /dev/zero && printf ',2.5\n'; } >"$work/nul.csv"
expect 1 'в столбце mode стоит «␀' --variants "$work/nul.csv"
[ "$(wc -c <"$work/err")" -lt 1000 ] || fail "a cell of NUL bytes took $(wc -c <"$work/err") bytes to refuse"

# Every write is checked: a full disk or a closed standard output is a
# failure, said in a sentence.
timeout 20 "$gearcalc" "$data/hardened.gear" >/dev/full 2>"$work/err"
[ $? = 2 ] || fail "a write to /dev/full did not fail the run"
grep -q 'не удаётся записать в стандартный вывод' "$work/err" || fail "/dev/full: $(cat "$work/err")"
timeout 20 "$gearcalc" --variants "$data/variants.csv" >/dev/full 2>"$work/err"
[ $? = 2 ] || fail "answers written to /dev/full did not fail the run"
timeout 20 "$gearcalc" "$data/hardened.gear" >&- 2>"$work/err"
[ $? = 2 ] || fail "a closed standard output did not fail the run"
timeout 20 "$gearcalc" --variants "$data/variants.csv" -o /dev/full 2>"$work/err"
[ $? = 2 ] || fail "answers written into /dev/full did not fail the run"
# Answers cut short go, but a device is never removed for them.
[ -c /dev/full ] || fail "/dev/full is no longer a device"

# -- ends the options; -o belongs to a list of variants and says so.
cp "$data/hardened.gear" "$work/-design.gear"
(cd "$work" && timeout 20 "$gearcalc" -- -design.gear >out 2>err)
[ $? = 0 ] || fail "gearcalc -- -design.gear: $(cat "$work/err")"
expect 2 '--output записывает ответы списка вариантов' "$data/hardened.gear" -o "$work/answers.csv"
[ -e "$work/answers.csv" ] && fail "-o with a calculation file wrote a file"

# No walkthrough of a run is written over by a later one: the variant
# "line-4" and the unnamed row on line 4 both keep theirs, and so do "A"
# and "a", which a case-blind file system takes for one name.
cat >"$work/names.csv" <<'LIST'
variant,mode,Z1,beta,dv,da,bw,Lst,m
line-4,wheel,40,,30,105,20,77,2.5
A,wheel,41,,30,107.5,20,77,2.5
a b,wheel,42,,30,110,20,77,2.5
a,wheel,43,,30,112.5,20,77,2.5
LIST
expect 0 '' --variants "$work/names.csv" -o "$work/names-answers.csv" --steps "$work/steps"
[ "$(ls "$work/steps" | wc -l)" = 4 ] || fail "walkthroughs written: $(ls "$work/steps")"
grep -q 'строка 2 списка' "$work/steps/line-4.txt" 2>/dev/null || fail "line-4.txt is not the variant line-4's"

# The answers read back as a spreadsheet reads them: one header of unique
# names, every value under its own name.
expect 1 '' --variants "$data/variants.csv" -o "$work/answers.csv"
"$python" - "$work/answers.csv" <<'PY' || fail "answers.csv read back by csv.DictReader"
import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    header = next(csv.reader(f))
    f.seek(0)
    rows = list(csv.DictReader(f))
assert len(header) == len(set(header)), header
assert all(len(row) == len(header) and None not in row for row in rows), rows
assert [row['line'] for row in rows] == ['3', '4', '5', '8'], [row['line'] for row in rows]
assert rows[0]['transmission.aw_mm'] == '125' and rows[3]['wheel.m_mm'] == '2.5', rows
PY

# --help speaks the desktop's language.
LC_ALL= LC_NUMERIC= LANG=C "$gearcalc" --help | grep -q '^Использование: gearcalc' || fail "--help under C"
LC_ALL= LC_NUMERIC= LANG=ru_RU.UTF-8 "$gearcalc" --help | grep -q '^Использование: gearcalc' || fail "--help in Russian"
LC_ALL= LC_NUMERIC= LANG=en_US.UTF-8 "$gearcalc" --help | grep -q '^Usage: gearcalc' || fail "--help in English"

[ "$failures" = 0 ] && echo "gearcalc stood every hostile case"
exit "$failures"
