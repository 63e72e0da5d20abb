"""Reads tavrel's CSV with Python's csv module, a reader that knows nothing of how it was
written, and checks every cell against the same characters read from JSON Lines.

usage: csv_reader_test.py CSV_SAMPLE TAVREL_CLI

CSV_SAMPLE writes characters with typed names (commas, quotes, line breaks, non-Latin letters,
formula signs) in both formats; TAVREL_CLI is run for generated batches of several class sets.
"""

import csv
import io
import json
import os
import re
import subprocess
import sys
import tempfile

FORMULA_STARTS = ("=", "+", "-", "@", "\t", "\r")
SKILLS = ["PP", "OL", "F/RT", "MS", "HS", "DN", "CW", "RL"]
SCORES = ["STR", "CON", "DEX", "INT", "WIS", "CHA"]
HEADER = (["seed", "startTime", "name", "gender", "race", "classes", "level", "alignment",
           "hitPoints", "armourClass", "armourType", "STR", "exceptionalStrength", "CON", "DEX",
           "INT", "WIS", "CHA"] + SKILLS +
          ["wizardSpellsLine", "priestSpellsLine", "specialLine", "scrollLine", "weapons",
           "nonWeapons", "link"])

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def as_shown(text):
    """What a spreadsheet must be given for a typed text: a formula sign is shown, not run."""
    return "'" + text if text.startswith(FORMULA_STARTS) else text


def read_csv(raw, where):
    """The rows of a CSV file, after checking the bytes a spreadsheet relies on."""
    check(raw.startswith(b"\xef\xbb\xbf"), f"{where}: no UTF-8 byte order mark")
    # Outside quoted fields every line ends in CR LF, the last one included.
    bare = re.sub(rb'"(?:[^"]|"")*"', b"", raw)
    check(bare.endswith(b"\r\n"), f"{where}: the last row does not end in CR LF")
    check(bare.count(b"\n") == bare.count(b"\r\n"), f"{where}: a row ends in a bare LF")
    reader = csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline=""), strict=True)
    rows = list(reader)
    check(rows and rows[0] == HEADER, f"{where}: header {rows[:1]}")
    for n, row in enumerate(rows[1:], 1):
        check(len(row) == len(HEADER), f"{where}: row {n} has {len(row)} cells")
    return [dict(zip(HEADER, row)) for row in rows[1:]]


def thief_skills(line):
    """The label:value pairs of a thief line; none in "No thief abilities"."""
    return dict(re.findall(r"(\S+?):(-?\d+)", line)) if ":" in line else {}


def check_row(row, obj, where):
    def same(column, expected):
        check(row[column] == expected, f"{where}: {column} {row[column]!r} != {expected!r}")

    same("seed", str(obj["seed"]))
    same("startTime", obj["startTime"])
    same("name", as_shown(obj["name"]))
    same("gender", obj["genderLine"].removeprefix("Gender: "))
    same("race", obj["raceLine"].removeprefix("Race: "))
    same("classes", obj["classLine"].removeprefix("Class: ").rstrip(" "))
    same("alignment", obj["alignmentLine"].removeprefix("Alignment: "))
    same("level", str(obj["level"]))
    same("hitPoints", str(obj["hitPoints"]))
    same("armourClass", str(obj["armourClass"]))
    armour = f"Armor class: {row['armourClass']}     "
    if row["armourType"]:
        armour += "Armor type: " + row["armourType"]
    check(armour == obj["armourLine"], f"{where}: armour {armour!r} != {obj['armourLine']!r}")
    for name, score in zip(SCORES, obj["abilityScore"]):
        same(name, str(score) if score else "")
    exceptional = obj["exceptionalStrength"]
    same("exceptionalStrength",
         "" if exceptional < 0 else "00" if exceptional == 0 else str(exceptional))
    skills = thief_skills(obj["thiefLine"])
    check(set(skills) <= set(SKILLS), f"{where}: thief line {obj['thiefLine']!r}")
    for label in SKILLS:
        same(label, skills.get(label, ""))
    for column in ["wizardSpellsLine", "priestSpellsLine", "specialLine", "scrollLine"]:
        same(column, as_shown(obj[column]))
    same("weapons", as_shown("; ".join(obj["weapons"])))
    same("nonWeapons", as_shown("; ".join(obj["nonWeapons"])))
    same("link", obj.get("link") or "")


def check_pairs(rows, objects, where):
    check(len(rows) == len(objects), f"{where}: {len(rows)} rows for {len(objects)} characters")
    for n, (row, obj) in enumerate(zip(rows, objects), 1):
        check_row(row, obj, f"{where} row {n}")


def run(args):
    return subprocess.run(args, capture_output=True, check=False)


def main():
    sample, cli = sys.argv[1:3]
    with tempfile.TemporaryDirectory() as tmp:
        csv_path = os.path.join(tmp, "typed.csv")
        jsonl_path = os.path.join(tmp, "typed.jsonl")
        subprocess.run([sample, csv_path, jsonl_path], check=True)
        with open(csv_path, "rb") as f:
            rows = read_csv(f.read(), "typed")
        with open(jsonl_path, encoding="utf-8") as f:
            objects = [json.loads(line) for line in f]
        check_pairs(rows, objects, "typed")

        # Generated batches: one class set a batch, the rogue ones mixed as only the lift allows.
        for n, classes in enumerate(["thief", "bard", "ranger,bard", "fighter,thief,ranger",
                                     "fighter,mage", "druid", "paladin", "illusionist,thief"]):
            base = [cli, "generate", "--class", classes, "--race", "halfling",
                    "--lift-restrictions", "--levels", ["low", "mid", "high"][n % 3],
                    "--seed", str(1000 + n), "--time", "07:30:00.000", "--count", "40"]
            csv_run = run(base + ["--format", "csv"])
            json_run = run(base + ["--format", "json"])
            check(csv_run.returncode == 0 and json_run.returncode == 0,
                  f"{classes}: {csv_run.stderr!r} {json_run.stderr!r}")
            objects = [json.loads(line) for line in json_run.stdout.splitlines()]
            check_pairs(read_csv(csv_run.stdout, classes), objects, classes)

            if n == 0:
                # --output writes the same bytes, and `sheet` does not take the file for JSON.
                out = os.path.join(tmp, "batch.csv")
                check(run(base + ["--format", "csv", "--output", out]).returncode == 0,
                      "--output")
                with open(out, "rb") as f:
                    check(f.read() == csv_run.stdout, "--output differs from standard output")
                refused = run([cli, "sheet", out])
                check(refused.returncode == 2 and not refused.stdout,
                      f"sheet read a CSV: {refused.returncode} {refused.stderr!r}")

    for failure in failures[:40]:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
