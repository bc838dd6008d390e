#!/usr/bin/python3
"""Checks the Allure Report 2 and 3 sites that scripts/check-dashboards.sh built from two runs of the faulty corpus,
from the sites' own data files, against the runner's summary of each run:
- the totals of tests and failures are the summary's;
- every data file the summary gives failures shows exactly those failures, under its own test class, each with
  the subject of its failure at the start of the message the viewer shows;
- the second run's sites mark no test new, flaky or retried, and know every test from the first run.
usage: check-dashboard-sites.py WORK_DIR"""
import collections
import glob
import json
import os
import re
import sys

SUITE = re.compile(r"^suite .*: tests \d+, failures (\d+)$")
FAILED = re.compile(r"^  FAILED test\d{3,}(.*)$")
REPEAT = re.compile(r" #\d+$")


def summary(path):
    """The totals and, for every data file, its failures as (name, subject) pairs."""
    failures = collections.defaultdict(list)
    totals = None
    data_file = name = None
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if SUITE.match(line):
                data_file = None
            elif line.startswith("  data file: "):
                data_file = os.path.basename(line[len("  data file: "):])
            elif FAILED.match(line):
                name = FAILED.match(line).group(1)
            elif line.startswith("    subject: ") and name is not None:
                failures[data_file].append((name, line[len("    subject: "):]))
                name = None
            elif line.startswith("total: "):
                match = re.match(r"^total: suites \d+, tests (\d+), failures (\d+)$", line)
                totals = (int(match.group(1)), int(match.group(2)))
    if totals is None:
        sys.exit(f"dashboard sites: no totals in {path}")
    return totals, failures


def label(labels, name):
    return next((entry["value"] for entry in labels if entry["name"] == name), None)


def allure2_tests(site):
    for path in glob.glob(f"{site}/data/test-cases/*.json"):
        with open(path, encoding="utf-8") as case:
            test = json.load(case)
        yield {"name": test["name"], "status": test["status"], "class": label(test["labels"], "testClass"),
               "message": test.get("statusMessage", ""),
               "marked": [mark for mark in ("flaky", "newFailed", "newPassed", "newBroken", "retriesStatusChange")
                          if test.get(mark)] + (["retried"] if test.get("retriesCount") else []),
               "history": bool(test.get("extra", {}).get("history", {}).get("items"))}


def allure2_totals(site):
    with open(f"{site}/widgets/summary.json", encoding="utf-8") as summary_file:
        statistic = json.load(summary_file)["statistic"]
    return statistic["total"], statistic["failed"], {}


def allure3_tests(site):
    for path in glob.glob(f"{site}/data/test-results/*.json"):
        with open(path, encoding="utf-8") as result:
            test = json.load(result)
        yield {"name": test["name"], "status": test["status"], "class": label(test["labels"], "testClass"),
               "message": test.get("error", {}).get("message", ""),
               "marked": [mark for mark in ("flaky", "isRetry") if test.get(mark)] +
                         (["retried"] if test.get("retriesCount") else []),
               "history": bool(test.get("history"))}


def allure3_totals(site):
    with open(f"{site}/summary.json", encoding="utf-8") as summary_file:
        report = json.load(summary_file)
    # Each is a list of tests or a count, by version.
    marks = {mark: report.get(mark) or 0 for mark in ("newTests", "flakyTests", "retryTests")}
    marks = {mark: len(value) if isinstance(value, list) else value for mark, value in marks.items()}
    return report["stats"]["total"], report["stats"].get("failed", 0), marks


def check_site(viewer, site, tests, totals, expected_totals, expected_failures, second_run):
    problems = []
    total, failed, marks = totals
    if (total, failed) != expected_totals:
        problems.append(f"shows {total} tests, {failed} failures; the runner's summary says "
                        f"{expected_totals[0]} tests, {expected_totals[1]} failures")
    shown = collections.defaultdict(list)
    for test in tests:
        if test["status"] == "failed":
            shown[REPEAT.sub("", test["class"] or "")].append((REPEAT.sub("", test["name"]), test["message"]))
        if second_run and (test["marked"] or not test["history"]):
            problems.append(f"marks {test['class']} / {test['name']} " +
                            (", ".join(test["marked"]) if test["marked"] else "as without history"))
    for data_file, failures in expected_failures.items():
        names = sorted(name for name, _ in failures)
        if sorted(name for name, _ in shown.get(data_file, [])) != names:
            problems.append(f"{data_file}: shows failures {sorted(shown.get(data_file, []))}, expected {names}")
            continue
        subjects = collections.Counter(failures)
        for name, message in shown[data_file]:
            if not any(message.startswith(subject) for shown_name, subject in subjects if shown_name == name):
                problems.append(f"{data_file}: {name}: the message {message!r} does not begin with its subject")
    if second_run:
        problems += [f"summary counts {count} {mark}" for mark, count in marks.items() if count]
    for problem in problems[:20]:
        print(f"dashboard sites: {viewer}, {os.path.basename(site)}: {problem}", file=sys.stderr)
    if not problems:
        files = sum(1 for failures in expected_failures.values() if failures)
        print(f"dashboard sites: {viewer}, {os.path.basename(site)}: {total} tests, {failed} failures, "
              f"{files} failing data files each with its failures" + (", nothing new, flaky or retried"
                                                                      if second_run else ""))
    return not problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    work = sys.argv[1]
    ok = True
    for run in (1, 2):
        expected_totals, expected_failures = summary(f"{work}/run{run}/junit/summary.txt")
        for viewer, folder, tests, totals in (("Allure Report 2", "allure2", allure2_tests, allure2_totals),
                                              ("Allure Report 3", "allure3", allure3_tests, allure3_totals)):
            site = f"{work}/{folder}-run{run}"
            ok &= check_site(viewer, site, list(tests(site)), totals(site), expected_totals, expected_failures,
                             run == 2)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
