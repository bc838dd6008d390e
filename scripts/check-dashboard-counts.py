#!/usr/bin/python3
"""Reads a run's dashboard JUnit report with a third-party JUnit parser and compares its counts with the
runner's summary of the same run (both kept by `DH_RUN_JUNIT=1 scripts/run-golden.sh` in RUN_DIR/junit).
The parser is Debian's python3-junitparser, hence the system's own interpreter.
usage: check-dashboard-counts.py RUN_DIR"""
import glob
import re
import sys

from junitparser import Failure, JUnitXml


def summary_totals(path):
    with open(path, encoding="utf-8") as summary:
        match = re.search(r"^total: suites \d+, tests (\d+), failures (\d+)$", summary.read(), re.MULTILINE)
    if not match:
        sys.exit(f"dashboard counts: no totals in {path}")
    return int(match.group(1)), int(match.group(2))


def report_totals(path):
    tests = failures = suites = 0
    for suite in JUnitXml.fromfile(path):
        suites += 1
        for case in suite:
            tests += 1
            failures += any(isinstance(result, Failure) for result in case.result)
    return suites, tests, failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    junit_dir = sys.argv[1] + "/junit"
    reports = glob.glob(junit_dir + "/*.xml")
    if len(reports) != 1:
        sys.exit(f"dashboard counts: expected one dashboard report in {junit_dir}, found {len(reports)}")
    expected = summary_totals(junit_dir + "/summary.txt")
    suites, tests, failures = report_totals(reports[0])
    if (tests, failures) != expected:
        sys.exit(f"dashboard counts: {reports[0]} holds {tests} tests, {failures} failures; "
                 f"the runner's summary says {expected[0]} tests, {expected[1]} failures")
    print(f"dashboard counts: {suites} suites, {tests} tests, {failures} failures, as the runner's summary says")


if __name__ == "__main__":
    main()
