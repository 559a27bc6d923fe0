#!/usr/bin/env python3
"""Checks that every generated file of the tree is what its generator writes today.

Each generator below is copied, with the inputs it reads, into a scratch folder at the
same place it has in the tree, run there (generators write beside themselves), and
every file it wrote is compared byte for byte with the committed one. A file that
differs means it was edited by hand (put the change into the generator) or the
generator was changed without running it (run it and commit its output).

    python3 tools/check_generated.py [--tree DIR] [--keep]

Exits 0 when all are in step, 1 when one is not, 77 when none is out of step but a
generator could not run for want of outside data (it says where the data comes from).
"""
import argparse
import fnmatch
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile

# A generator exits with this when the outside data it reads is not on the machine.
MISSING_INPUT = 66
SKIPPED = 77

# script, inputs copied beside it, outputs it owns: every committed file matching these
# must be written by it. Files it writes elsewhere (fuzz corpora that also hold inputs
# added by hand) are compared too, but need not all come from it.
GENERATORS = [
    ("tools/gen_keyboard_layouts.py", [], ["qml/keyboard/KeyboardAlphaModels.qml"]),
    ("tools/gen_pinyin_table.py", [], ["core/pinyintabledata.cpp"]),
    ("resources/translations/generate_ts.py", ["resources/translations/texts_*.py"],
     ["resources/translations/tultr_*.ts"]),
    ("resources/sounds/make_sounds.py", [], ["resources/sounds/*.wav"]),
    ("tests/data/menuimport/make_menu_files.py", [],
     ["tests/data/menuimport/*.tul", "tests/data/menuimport/*.json"]),
    ("tests/data/personality/make_fixtures.py", [],
     ["tests/data/personality/*.hcc", "tests/data/personality/odd/*.hcc"]),
]


def files_under(folder):
    found = set()
    for base, dirs, names in os.walk(folder):
        dirs[:] = [d for d in dirs if d != "__pycache__"]
        for name in names:
            found.add(os.path.relpath(os.path.join(base, name), folder))
    return found


def same_bytes(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def check(tree, scratch, script, inputs, owned):
    """Returns (problems, skip message or None)."""
    copied = {script}
    for pattern in inputs:
        copied |= {os.path.relpath(p, tree) for p in glob.glob(os.path.join(tree, pattern))}
    for rel in copied:
        os.makedirs(os.path.dirname(os.path.join(scratch, rel)), exist_ok=True)
        shutil.copy2(os.path.join(tree, rel), os.path.join(scratch, rel))
    for pattern in owned:
        os.makedirs(os.path.dirname(os.path.join(scratch, pattern)), exist_ok=True)

    run = subprocess.run([sys.executable, os.path.join(scratch, script)], cwd=scratch,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    if run.returncode == MISSING_INPUT:
        return [], run.stderr.strip()
    if run.returncode != 0:
        return ["%s failed (exit %d): %s" % (script, run.returncode, run.stderr.strip())], None

    written = files_under(scratch) - copied
    problems = []
    for rel in sorted(written):
        committed = os.path.join(tree, rel)
        if not os.path.isfile(committed):
            problems.append("%s writes %s, which is not in the tree" % (script, rel))
        elif not same_bytes(committed, os.path.join(scratch, rel)):
            problems.append("%s differs from what %s writes" % (rel, script))
    for pattern in owned:
        for path in glob.glob(os.path.join(tree, pattern)):
            rel = os.path.relpath(path, tree)
            if rel not in written:
                problems.append("%s is no longer written by %s" % (rel, script))
    if not written:
        problems.append("%s wrote nothing" % script)
    return problems, None


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tree", default=os.path.dirname(here), help="the source tree to check")
    parser.add_argument("--only", action="append", default=[], metavar="PATTERN",
                        help="check only the generators whose path matches (repeatable)")
    parser.add_argument("--keep", action="store_true", help="keep the scratch folders")
    args = parser.parse_args()
    # A stop by SIGTERM (a test's time-out) still removes the scratch folders.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    tree = os.path.abspath(args.tree)
    if not os.path.isdir(tree):
        parser.error("no such folder: " + tree)

    failed = skipped = 0
    for script, inputs, owned in GENERATORS:
        if args.only and not any(fnmatch.fnmatch(script, p) for p in args.only):
            continue
        scratch = tempfile.mkdtemp(prefix="tul-generated-")
        try:
            problems, skip = check(tree, scratch, script, inputs, owned)
        finally:
            if args.keep:
                print("scratch of %s: %s" % (script, scratch))
            else:
                shutil.rmtree(scratch, ignore_errors=True)
        if skip:
            skipped += 1
            print("SKIP %s: %s" % (script, skip))
        elif problems:
            failed += 1
            for problem in problems:
                print("FAIL " + problem)
        else:
            print("PASS %s" % script)
    if failed:
        return 1
    return SKIPPED if skipped else 0


if __name__ == "__main__":
    sys.exit(main())
