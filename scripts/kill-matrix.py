#!/usr/bin/env python3
"""Reads the kill matrices of scripts/mutants.py --kill-matrix and tells which tests earn their place.

usage: scripts/kill-matrix.py MATRIX [MATRIX...] [--without TEST...]

For every test of the suite: how many mutants it kills, and how many only it kills. A test that kills no mutant
alone is a candidate to remove; removing several at once can still lose a mutant they shared, so the script also
proposes a set that loses none: candidates taken largest first (by their lines in tests/), each kept out only
while every mutant the matrices saw killed still has a killer left. --without TEST... gives the score with those
tests gone, as the matrices predict it (a test's name as ctest gives it, or a prefix ending in '.', '/' or '*').
Mutants listed in scripts/equivalent-mutants.txt are not counted.
"""
import argparse
import importlib.util
import os
import re
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

module_spec = importlib.util.spec_from_file_location("mutants", os.path.join(ROOT, "scripts", "mutants.py"))
mutants_script = importlib.util.module_from_spec(module_spec)
module_spec.loader.exec_module(mutants_script)

TEST_MACRO = re.compile(r"^(?:TEST|TEST_F|TEST_P)\((\w+), (\w+)\)", re.M)


def read_matrices(paths):
    """{mutant: set of killing tests}; a survivor has an empty set, a mutant that timed out the whole suite None.
    Mutants listed as equivalent since the matrix was written are left out."""
    mutants, equivalents = {}, mutants_script.read_equivalents()
    for path in paths:
        with open(path, encoding="utf-8") as matrix:
            for line in matrix:
                where, before, after, failed = line.rstrip("\n").split("\t")
                if mutants_script.equivalence_key_of(where, before, after) in equivalents:
                    continue
                key = (os.path.basename(path), where, before, after)
                if failed == "(survived)":
                    mutants[key] = set()
                elif failed in ("(timeout)", "(timeout under Wine)"):
                    mutants[key] = None
                else:
                    mutants[key] = set(failed.split())
    return mutants


def test_sizes():
    """{'Suite.Name': lines} for every test macro in tests/, from its line to the next macro or the file's end."""
    sizes = {}
    files = subprocess.run(["git", "ls-files", "tests/*.cpp"], cwd=ROOT, capture_output=True, text=True).stdout
    for name in files.split():
        with open(os.path.join(ROOT, name), encoding="utf-8") as source:
            text = source.read()
        starts = [(text.count("\n", 0, m.start()), f"{m.group(1)}.{m.group(2)}") for m in TEST_MACRO.finditer(text)]
        ends = [line for line, _ in starts[1:]] + [text.count("\n")]
        for (line, test), end in zip(starts, ends):
            sizes[test] = end - line
    return sizes


def macro_of(test):
    """The test macro a ctest name comes from: 'Cases/Suite.Name/Label' -> 'Suite.Name'."""
    parts = test.split("/")
    return parts[1] if len(parts) == 3 else parts[0]


def matches(test, patterns):
    return any(test == p or (p[-1] in "./*" and test.startswith(p.rstrip("*"))) for p in patterns)


def score(mutants, removed):
    killed = sum(1 for tests in mutants.values() if tests is None or tests - removed)
    return killed, len(mutants)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("matrices", nargs="+")
    parser.add_argument("--without", nargs="*", default=[])
    args = parser.parse_args()
    mutants = read_matrices(args.matrices)
    every_test = set().union(*(tests for tests in mutants.values() if tests))
    sizes = test_sizes()

    killed, total = score(mutants, set())
    print(f"{total} mutants built, {killed} killed = {100.0 * killed / total:.1f}%")
    if args.without:
        removed = {test for test in every_test if matches(test, args.without)}
        killed, _ = score(mutants, removed)
        print(f"without {len(removed)} tests: {killed} killed = {100.0 * killed / total:.1f}%")
        for key, tests in sorted(mutants.items()):
            if tests and not tests - removed:
                print(f"  lost: {key[1]}: {key[2]}  ->  {key[3]}  (killed only by {' '.join(sorted(tests))})")
        return 0

    alone = {test: 0 for test in every_test}
    for tests in mutants.values():
        if tests and len(tests) == 1:
            alone[next(iter(tests))] += 1
    print("\ntests that alone kill a mutant (mutants killed alone, killed in all):")
    for test in sorted(every_test, key=lambda t: (-alone[t], t)):
        if alone[test]:
            print(f"  {alone[test]:3} {sum(1 for t in mutants.values() if t and test in t):4}  {test}")

    # Whole test macros only: a parameterized case goes with its macro.
    by_macro = {}
    for test in every_test:
        by_macro.setdefault(macro_of(test), set()).add(test)
    never = sorted(set(sizes) - set(by_macro))
    removable, removed = [], set()
    for macro in sorted(by_macro, key=lambda m: -sizes.get(m, 0)):
        trial = removed | by_macro[macro]
        if score(mutants, trial)[0] == killed:
            removed = trial
            removable.append(macro)
    print(f"\ntest macros that kill no mutant of the matrices ({len(never)}, {sum(sizes[m] for m in never)} lines):")
    for macro in never:
        print(f"  {sizes[macro]:4}  {macro}")
    print(f"\nremovable together without losing a mutant ({len(removable)}, "
          f"{sum(sizes.get(m, 0) for m in removable)} lines):")
    for macro in removable:
        print(f"  {sizes.get(macro, 0):4}  {macro}")
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
