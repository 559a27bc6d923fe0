#!/usr/bin/env python3
"""Writes core/pinyintabledata.cpp, the syllable -> candidates list of PinyinTable.

Run once by hand; the build uses the committed output and never needs this script or
its input. The input is two files of the Unicode Consortium's Unihan database,
Unihan_OtherMappings.txt and Unihan_Readings.txt: the Debian package "unicode-data"
(apt-get install unicode-data; ./test.sh installs it) has them, compressed, in
/usr/share/unicode; they are also inside Unihan.zip of the Unicode Character Database
(unpack it into a folder and give that folder as --unihan). The committed table was
made from Unicode 15.0 (Debian 12's unicode-data 15.0.0); another version may sort a
character differently, and the checks below then refuse it.

    python3 tools/gen_pinyin_table.py [--unihan /usr/share/unicode] [--out core/pinyintabledata.cpp]

What it does:
- the candidates are the level-1 characters of GB 2312 (kGB0 positions 1601-5589);
- each character goes under its first Mandarin reading (kMandarin) without tones;
  u with diaeresis is written "v" after l and n (lv, nv) and "u" before e (lue, nue);
- GB 2312 sorts its level-1 set by reading: where the first Unihan reading puts a
  polyphonic character out of that order, PLACE below moves it to the reading the
  standard sorted it under; a few more are placed by hand (each line says why);
- within a syllable the characters keep their GB 2312 order, except the rows of ORDER;
- the result is checked (3,755 distinct characters, 396 syllables, the fixed rows and
  counts) and nothing is written when a check fails.
"""
import argparse
import bz2
import collections
import os
import sys
import unicodedata

# Character -> syllable, for characters whose first Unihan reading is not where they belong.
PLACE = {
    # GB 2312 sorted these under another of their readings.
    "剥": "bao", "辟": "bi", "泊": "bo", "卜": "bu", "掺": "chan", "长": "chang",
    "匙": "chi", "地": "di", "脯": "fu", "蛤": "ge", "貉": "he", "还": "huan",
    "槛": "jian", "嚼": "jiao", "桔": "jie", "咳": "ke", "傀": "kui", "肋": "lei",
    "埔": "pu", "茄": "qie", "炔": "que", "什": "shi", "拓": "tuo", "厦": "xia",
    "削": "xiao", "畜": "xu", "吁": "yu", "钥": "yue", "曾": "zeng", "轧": "zha",
    "咋": "zha", "辗": "zhan", "著": "zhu", "琢": "zhuo", "着": "zhuo", "爪": "zhua",
    "椎": "zhui",
    # Syllables the keyboard offers have no "fo", "lia" or "shei" otherwise.
    "佛": "fo", "俩": "liang", "谁": "shui",
    # 柞 stays under zha (柞蚕) and 藉 under ji (狼藉), though GB 2312 sorts them under
    # zuo and jie: the rows zuo and ji are fixed at 7 and 54 characters.
}

# Rows whose order is fixed (most frequent first, not GB 2312 order).
ORDER = {
    "a": "阿啊",
    "lv": "滤驴吕侣旅铝屡缕履律虑率绿氯",
    "zuo": "昨左佐作坐座做",
    "zun": "尊遵",
    "nv": "女",
}

# Checks on the result.
EXPECTED_SYLLABLES = 396
EXPECTED_CHARACTERS = 3755
EXPECTED_COUNTS = {"a": 2, "nv": 1, "lv": 14, "zun": 2, "zuo": 7, "ji": 54}
EXPECTED_PREFIX = {"zh": (19, 233)}


# Exit status when the Unihan files are not there (EX_NOINPUT), so that a caller can
# tell missing outside data from a table that failed its checks.
MISSING_INPUT = 66
UNIHAN_FILES = ("Unihan_OtherMappings.txt", "Unihan_Readings.txt")


def unihan_file(folder, name):
    """The compressed (Debian) or plain (Unihan.zip) form of one Unihan file, or None."""
    for candidate in (name + ".bz2", name):
        path = os.path.join(folder, candidate)
        if os.path.isfile(path):
            return path
    return None


def missing_unihan(folder):
    missing = [name for name in UNIHAN_FILES if not unihan_file(folder, name)]
    if not missing:
        return None
    return ("no %s in %s. They are the Unicode Consortium's Unihan database: install the "
            "Debian package unicode-data (apt-get install unicode-data), or unpack Unihan.zip "
            "of the Unicode Character Database into a folder and give it as --unihan"
            % (" or ".join(missing), folder))


def read_fields(path, wanted):
    """Yields (character, field, value) of the wanted fields of one Unihan file."""
    opener = bz2.open if path.endswith(".bz2") else open
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] in wanted:
                yield chr(int(parts[0][2:], 16)), parts[1], parts[2]


def plain_syllable(reading):
    """"lǜ" -> "lv", "lüè" -> "lue", "zhuó" -> "zhuo"."""
    decomposed = unicodedata.normalize("NFD", reading.lower())
    out = ""
    for ch in decomposed:
        if ch == "\u0308":  # diaeresis: the u before it is ü
            out = out[:-1] + "v"
        elif not unicodedata.combining(ch):
            out += ch
    return out.replace("ve", "ue")


def build(unihan):
    gb = {}
    for ch, _, value in read_fields(unihan_file(unihan, "Unihan_OtherMappings.txt"), {"kGB0"}):
        position = int(value)
        if 1601 <= position <= 5589:
            gb[ch] = position
    reading = {}
    for ch, _, value in read_fields(unihan_file(unihan, "Unihan_Readings.txt"), {"kMandarin"}):
        if ch in gb:
            reading[ch] = plain_syllable(value.split()[0])
    missing = [ch for ch in gb if ch not in reading]
    if missing:
        sys.exit("no Mandarin reading for " + "".join(missing))
    for ch, syllable in PLACE.items():
        if ch not in gb:
            sys.exit(ch + " is not a level-1 character")
        reading[ch] = syllable

    rows = collections.defaultdict(list)
    for ch in sorted(gb, key=gb.get):
        rows[reading[ch]].append(ch)
    for syllable, chars in ORDER.items():
        if sorted(chars) != sorted(rows[syllable]):
            sys.exit("row %s is %s, not the fixed %s" % (syllable, "".join(rows[syllable]), chars))
        rows[syllable] = list(chars)
    return {syllable: "".join(chars) for syllable, chars in rows.items()}


def check(rows):
    everything = "".join(rows.values())
    errors = []
    if len(rows) != EXPECTED_SYLLABLES:
        errors.append("%d syllables" % len(rows))
    if len(everything) != EXPECTED_CHARACTERS or len(set(everything)) != EXPECTED_CHARACTERS:
        errors.append("%d characters, %d distinct" % (len(everything), len(set(everything))))
    for syllable in rows:
        if not (syllable.isascii() and syllable.isalpha() and syllable.islower() and 1 <= len(syllable) <= 6):
            errors.append("bad syllable " + syllable)
    for syllable, count in EXPECTED_COUNTS.items():
        if len(rows.get(syllable, ())) != count:
            errors.append("%s has %d" % (syllable, len(rows.get(syllable, ()))))
    if max(len(c) for c in rows.values()) != EXPECTED_COUNTS["ji"]:
        errors.append("ji is not the largest row")
    for prefix, (syllables, chars) in EXPECTED_PREFIX.items():
        keys = [s for s in rows if s.startswith(prefix)]
        total = sum(len(rows[s]) for s in keys)
        if (len(keys), total) != (syllables, chars):
            errors.append("%s: %d syllables, %d characters" % (prefix, len(keys), total))
    if errors:
        sys.exit("table rejected: " + "; ".join(errors))


def write(rows, out):
    lines = [
        "// Generated by tools/gen_pinyin_table.py from the Unihan database; do not edit.",
        "// 396 syllables, the 3,755 level-1 characters of GB 2312, each under one syllable.",
        '#include "pinyintabledata.h"',
        "",
        "const PinyinRow kPinyinRows[] = {",
    ]
    for syllable in sorted(rows):
        lines.append('    {"%s", u"%s"},' % (syllable, "".join(rows[syllable])))
    lines += ["};", "", "const int kPinyinRowCount = int(sizeof(kPinyinRows) / sizeof(kPinyinRows[0]));", ""]
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unihan", default="/usr/share/unicode")
    parser.add_argument("--out", default=os.path.join(here, "..", "core", "pinyintabledata.cpp"))
    args = parser.parse_args()
    missing = missing_unihan(args.unihan)
    if missing:
        print("gen_pinyin_table.py: " + missing, file=sys.stderr)
        sys.exit(MISSING_INPUT)
    rows = build(args.unihan)
    check(rows)
    write(rows, args.out)
    print("%d syllables, %d characters -> %s" % (len(rows), sum(map(len, rows.values())), args.out))


if __name__ == "__main__":
    main()
