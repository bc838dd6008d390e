#!/usr/bin/env python3
"""Writes X.expected beside each data file X.txt of the corpora from what the plug-in reports for it now.

usage: scripts/write-expected.py BUILD_DIR FILE.txt...

Each file goes through its own run of the stand-in host (BUILD_DIR/bin/datahook-runner), posing as the machine
X.host names (an ordinary machine when there is none), with X.stimareas when it is there. The outcomes of the
experiment's suite and what the diagnostics say was found behind each failure are written in the form the corpus
test reads (see its header). Read what it wrote
before you commit it: the file states what the plug-in must report, not merely what it reports today.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ORDINARY_HOST = "plain-workstation"


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def run(runner, data_file):
    with tempfile.TemporaryDirectory() as work:
        command = [runner, "--workdir", work]
        areas = data_file[: -len(".txt")] + ".stimareas"
        if os.path.exists(areas):
            command += ["--stim-areas", areas]
        host = data_file[: -len(".txt")] + ".host"
        host_name = open(host, encoding="utf-8").read().strip() if os.path.exists(host) else ORDINARY_HOST
        env = dict(os.environ, DH_AUTOMATEDTESTING_TEST_HOST_NAME=host_name)
        done = subprocess.run(command + [os.path.abspath(data_file)], env=env, capture_output=True, text=True)
        if done.returncode not in (0, 1):
            sys.exit("%s: the runner failed (%d):\n%s" % (data_file, done.returncode, done.stderr))
        reports = os.path.join(work, "scons-out", "opt", "tests", "auto_experiment_tests")
        report = next(name for name in os.listdir(reports) if name.endswith(".xml"))
        with open(os.path.join(reports, report[: -len(".xml")] + ".diagnostics.txt"), encoding="utf-8") as text:
            diagnostics = text.read()
        return ElementTree.parse(os.path.join(reports, report)), diagnostics


def findings_by_failure(diagnostics, suite):
    findings, in_suite = [], False
    for line in diagnostics.splitlines():
        if line.startswith("suite: "):
            in_suite = line == "suite: " + suite
        elif in_suite and line.startswith("  failure: "):
            findings.append([])
        elif in_suite and line.startswith("    found: ") and findings:
            findings[-1].append(line[len("    found: "):])
    return findings


def expectation(report, diagnostics):
    suites = [s for s in report.getroot() if not s.get("name").startswith("DefaultInitialTestSuite_")]
    if len(suites) != 1:
        sys.exit("expected one verifier suite, the report has %d" % len(suites))
    suite = re.sub(r"_pid_\d+$", "", suites[0].get("name"))
    lines = ["suite\t" + escape(suite)]
    findings = findings_by_failure(diagnostics, suite)
    failures = 0
    for case in suites[0]:
        name = re.sub(r"^test\d+", "", case.get("name"))
        failure = case.find("failure")
        if failure is None:
            lines.append("pass\t" + escape(name))
            continue
        # The printer puts a blank line and a space in front of the text and a blank line after it.
        location, _, message = failure.text[len("\n\n "):-len("\n\n")].partition("\n")
        where, _, line = location.rpartition("/")[2].rpartition(":")
        fields = ["failure", name, failure.get("message"), line if where == suite else where + ":" + line, message]
        lines.append("\t".join(escape(field) for field in fields))
        lines += ["found\t" + escape(text) for text in (findings[failures] if failures < len(findings) else [])]
        failures += 1
    if len(findings) != failures:
        sys.exit("the diagnostics list %d failures, the report %d" % (len(findings), failures))
    return "\n".join(lines) + "\n"


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    runner = os.path.join(sys.argv[1], "bin", "datahook-runner")
    for data_file in sys.argv[2:]:
        report, diagnostics = run(runner, data_file)
        with open(data_file[: -len(".txt")] + ".expected", "w", encoding="utf-8", newline="\n") as out:
            out.write(expectation(report, diagnostics))


if __name__ == "__main__":
    main()
