#!/usr/bin/env python3
"""Compares the report of a Linux run with the report of the same run under Windows.

Usage: compare-reports.py LINUX_RUN_DIR WINDOWS_RUN_DIR
Each run directory holds one report below scons-out/. The Windows report must end its entries with CR LF;
with those made line feeds and the process ids set aside, both must be the same byte for byte.
"""
import pathlib
import re
import sys

REPORT_GLOB = "scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_*.xml"


def only_report(run_dir):
    reports = sorted(pathlib.Path(run_dir).glob(REPORT_GLOB))
    if len(reports) != 1:
        sys.exit(f"FAIL: expected one report in {run_dir}, found {len(reports)}")
    return reports[0].read_bytes()


def without_process_ids(report):
    return re.sub(rb"_pid_[0-9]+", b"_pid_N", report)


def main():
    linux = without_process_ids(only_report(sys.argv[1]))
    windows = without_process_ids(only_report(sys.argv[2]))
    if not windows.endswith(b"</testsuites>\r\n"):
        sys.exit("FAIL: the Windows report does not end its entries with CR LF")
    windows = windows.replace(b"\r\n", b"\n")
    if linux == windows:
        print(f"ok: the reports match ({len(linux)} bytes with line feeds)")
        return
    linux_lines, windows_lines = linux.split(b"\n"), windows.split(b"\n")
    for number, (a, b) in enumerate(zip(linux_lines, windows_lines), 1):
        if a != b:
            sys.exit(f"FAIL: the reports differ at line {number}:\n  Linux:   {a!r}\n  Windows: {b!r}")
    sys.exit(f"FAIL: the reports differ in length: {len(linux_lines)} and {len(windows_lines)} lines")


if __name__ == "__main__":
    main()
