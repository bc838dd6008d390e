#!/usr/bin/env python3
"""Writes the corpus expectations (X.expected, and X.durations beside golden files) from a build.

Usage: write-expected.py [--build DIR] [--only FILTER]

The verifier tests run in a temporary folder (their reports never land in the tree) and write what the build
reports into it; the files that differ from those under testdata/ are copied over, and listed. A golden file that
fails a check or reaches no verifier is refused: nothing is written for it and the exit status is 1, as it is for
any other failure of the run. Read the diff before committing: the files state what the plug-in must report.
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS_CASES = "GoldenCorpus.*:FaultyCorpus.*:DurationsByMachine.*"


def copy_changed(written_root):
    """Copies every written file that differs from the tree's; returns (written, changed paths)."""
    written, changed = 0, []
    for folder in ("golden", "faulty"):
        source = os.path.join(written_root, folder)
        if not os.path.isdir(source):
            continue
        for name in sorted(os.listdir(source)):
            written += 1
            target = os.path.join(ROOT, "testdata", folder, name)
            if os.path.exists(target) and filecmp.cmp(os.path.join(source, name), target, shallow=False):
                continue
            shutil.copyfile(os.path.join(source, name), target)
            changed.append(os.path.relpath(target, ROOT))
    return written, changed


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"), help="the build folder (default: build)")
    parser.add_argument("--only", default=CORPUS_CASES, help="the cases to run, as a test filter (default: all)")
    args = parser.parse_args()
    program = os.path.join(os.path.abspath(args.build), "bin", "verifier_tests")
    if not os.access(program, os.X_OK):
        sys.exit("write-expected: %s is not built" % program)
    with tempfile.TemporaryDirectory(prefix="dh-expected-") as scratch:
        written_root, work = os.path.join(scratch, "written"), os.path.join(scratch, "work")
        os.makedirs(work)
        run = subprocess.run([program, "--gtest_filter=" + args.only, "--gtest_brief=1"], cwd=work,
                             env=dict(os.environ, DH_WRITE_EXPECTED=written_root), stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, universal_newlines=True)
        written, changed = copy_changed(written_root)
    if run.returncode == 0 and written == 0:
        sys.exit("write-expected: no case matched %r" % args.only)
    if run.returncode != 0:
        print(run.stdout, end="")
    print("wrote %d, changed %d, unchanged %d" % (written, len(changed), written - len(changed)))
    for path in changed:
        print("  changed: " + path)
    if run.returncode != 0:
        refused = [line for line in run.stdout.splitlines() if "refused" in line]
        print("write-expected: the run failed%s; see above" % (", refused %d file(s)" % len(refused) if refused else ""),
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
