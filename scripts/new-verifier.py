#!/usr/bin/env python3
"""Adds an experiment: its verifier, its catalogue line and a golden data file with its expectations.

Usage: new-verifier.py --class CLASS --experiment EXPERIMENT_FILE --family FOLDER --file NAME
       (or make new-verifier CLASS=... EXPERIMENT=... FAMILY=... FILE=...)

Writes verifiers/cases/FOLDER/NAME.cpp, named for what the experiment makes the host do (a row count, an event order and duration windows as
examples, written for the skeleton data file), appends "CLASS<TAB>EXPERIMENT_FILE" to testdata/catalogue.tsv, and
writes testdata/golden/"EXPERIMENT_FILE P01.txt" through scripts/datafile.py with the .expected and .durations
the example verifier gives for it; then prints the next steps. It changes nothing when a name is taken or invalid.
"""
import argparse
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from datafile import write_datafile  # noqa: E402

VERIFIER = """\
// Say here what the experiment makes the host do and what a correct run of it shows.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"

namespace Varnel {{

class {cls} : public IndividualTestCase_T<{cls}, false> {{
 public:
  static constexpr char kExperimentFileName[] = "{experiment}";
  // The lines that locate this verifier's failures, one per check that can fail: a failure's location reads
  // "{experiment}:" and this number.
  static constexpr int kRowCountLine = 10;
  static constexpr int kEventOrderLine = 20;
  static constexpr int kEvents = 3;

  // The checks below are examples that fit the skeleton data file: replace them with the experiment's own.
  void RunChecks(VerificationContext) override {{
    // How many events the run presents: one row each.
    // What the check saw follows the outcome, and is kept only when the check failed.
    ReportOutcome(reader->GetRowCount() == kEvents, "Row_count", "The run presented another number of events.",
                  kRowCountLine, "Every trial presents each of its events once.")
        << wxString::Format("found %d rows, expected %d", reader->GetRowCount(), kEvents);
    // The events in the order presented; findings that cost something are built only after a failure.
    static const std::vector<wxString> expectedEvents = {{"event 1", "event 2", "event 3"}};
    const TextColumn events = ColumnTexts(tabulon::EventNameColumnName());
    ReportOutcome(events == expectedEvents, "Event_order", "The events came in another order.", kEventOrderLine,
                  "The trial presents its events in the order it lists them.")
        .Otherwise([&] {{ return SequenceFindings(events, expectedEvents); }});
    // Duration windows in milliseconds, bounds included, checked in this order: the whole run (its last
    // cumulative time), then the expansion. These two apply everywhere but on the build farm;
    // ExperimentWindowOn(kHostNameA, min, max) (framework/durationwindows.h) adds one for a single machine.
    CheckDurationWindows({{
        ExperimentWindow({run_min}, {run_max}),
        ExpansionWindow({expansion_min}, {expansion_max}),
    }});
  }}
}};

}}  // namespace Varnel
"""

EVENTS = [("b1", "t1", "event %d" % n, str(500 * n)) for n in (1, 2, 3)]
RUN_MS, EXPANSION_MS = 1500, 80
WINDOWS = {"run_min": 1000, "run_max": 2000, "expansion_min": 40, "expansion_max": 1000}


def expectation(experiment):
    names = ["VerifyDatafile_was_called_for_" + experiment, "Row_count", "Event_order",
             "Experiment_duration_" + experiment, "Expansion_duration_" + experiment,
             "__TIMING__TRACKING__%s__%d_ms" % (experiment, RUN_MS),
             "__EXPANSION__TRACKING__%s__%d_ms" % (experiment, EXPANSION_MS)]
    return "suite\t%s\n" % experiment + "".join("pass\t%s\n" % name for name in names)


def durations():
    # The windows apply everywhere but on the build farm; at time 0 both fail.
    elsewhere = "\t+Experiment\t+Expansion\t-Experiment {run_min}..{run_max} 0\t-Expansion {expansion_min}..{expansion_max} 0"
    return "build farm\n" + "".join(machine + elsewhere.format(**WINDOWS) + "\n" for machine in ("host A", "host B"))


def refusal(args, catalogue_lines, families):
    """Why the names cannot be used, or None."""
    if not re.fullmatch(r"[A-Za-z_]\w*", args.cls):
        return "CLASS must be a C++ name: %r" % args.cls
    if not args.experiment or re.search(r"[\s/\\]", args.experiment):
        return "EXPERIMENT must be a file name without blanks or slashes (the host cuts data file names at the " \
               "first blank): %r" % args.experiment
    if not re.fullmatch(r"[a-z][a-z0-9_]*", args.file):
        return "FILE must be the case file's name in lower case with underscores, without .cpp, named for what " \
               "the experiment makes the host do (such as block_loop_guard): %r" % args.file
    if args.family not in families:
        return "FAMILY must be one of the folders under verifiers/cases: %s" % ", ".join(families)
    for line in catalogue_lines:
        cls, _, experiment = line.partition("\t")
        if cls == args.cls:
            return "the catalogue already has the class %s (for %s)" % (cls, experiment)
        if experiment.upper() == args.experiment.upper():
            return "the catalogue already has %s (%s); names are compared ignoring case" % (experiment, cls)
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--class", dest="cls", required=True, help="the verifier class, e.g. TestBlockRepeats")
    parser.add_argument("--experiment", required=True, help="the experiment file name, e.g. 2026-12-07_repeats.vn5")
    parser.add_argument("--family", required=True, help="the folder under verifiers/cases it belongs to")
    parser.add_argument("--file", required=True, help="the case file's name without .cpp, e.g. block_repeats")
    args = parser.parse_args()
    cases = os.path.join(ROOT, "verifiers", "cases")
    families = sorted(name for name in os.listdir(cases) if os.path.isdir(os.path.join(cases, name)))
    catalogue = os.path.join(ROOT, "testdata", "catalogue.tsv")
    with open(catalogue, encoding="utf-8") as lines:
        catalogue_text = lines.read()
    catalogue_lines = [line for line in catalogue_text.splitlines() if line and not line.startswith("#")]
    verifier = os.path.join(cases, args.family, args.file + ".cpp")
    golden = os.path.join(ROOT, "testdata", "golden", args.experiment + " P01")
    problem = refusal(args, catalogue_lines, families)
    for taken in (verifier, golden + ".txt"):
        if problem is None and os.path.exists(taken):
            problem = "%s exists already" % os.path.relpath(taken, ROOT)
    if problem:
        sys.exit("new-verifier: " + problem)

    verifier_text = VERIFIER.format(cls=args.cls, experiment=args.experiment, **WINDOWS)
    with open(verifier, "w", encoding="utf-8") as out:
        out.write(verifier_text)
    with open(catalogue, "a", encoding="utf-8") as out:
        out.write(("" if catalogue_text.endswith("\n") else "\n") + "%s\t%s\n" % (args.cls, args.experiment))
    write_datafile(golden + ".txt", os.path.splitext(args.experiment)[0],
                   ["Block\nName", "Trial\nName", "Event\nName", "Cumulative\nTime"], EVENTS, expansion_ms=EXPANSION_MS)
    for suffix, text in ((".expected", expectation(args.experiment)), (".durations", durations())):
        with open(golden + suffix, "w", encoding="utf-8", newline="") as out:
            out.write(text)

    relative = os.path.relpath(verifier, ROOT)
    print("""wrote
  %(verifier)s   the verifier, with example checks that fit the skeleton data file
  testdata/catalogue.tsv   its line: %(cls)s<TAB>%(experiment)s
  testdata/golden/%(experiment)s P01.txt   a skeleton run, with its .expected and .durations
next
  1. Write the experiment's checks in %(verifier)s (README, "Adding a verifier").
  2. Write a correct run of the experiment over the skeleton: scripts/datafile.py --help
     (add "%(experiment)s P01.stimareas" or ".host" beside it when the run needs them).
  3. Add a faulty variant per fault a check must catch: testdata/faulty/"%(experiment)s <the fault>.txt".
  4. make expected   (writes the expectations of the new files; read the diff before committing)
  5. make test""" % {"verifier": relative, "cls": args.cls, "experiment": args.experiment})
    return 0


if __name__ == "__main__":
    sys.exit(main())
