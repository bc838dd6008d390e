#!/usr/bin/env python3
"""Writes data files the way the host does, for the golden and faulty corpora under testdata/.

From the command line (scripts/datafile.py --help), or from Python:

    from datafile import write_datafile
    write_datafile("testdata/golden/x.vn5 P01.txt", "x",
                   columns=["Block\\nName", "Event\\nName", "Cumulative\\nTime"],
                   rows=[["b1", "e1", "350"], ...], expansion_ms=57)

Column names are the host's two heading rows joined by a line feed; a name without one fills only the first
heading row. The expansion time, when given, becomes the last column's heading, as the host writes it.
"""
import argparse
import sys

EXAMPLE = r"""example (the host's file of a run of x.vn5 by participant P01, three events, expanded in 80 ms):
  scripts/datafile.py "testdata/golden/x.vn5 P01.txt" --title "x" \
      --column 'Block\nName' --column 'Trial\nName' --column 'Event\nName' --column 'Cumulative\nTime' \
      --row b1 t1 'event 1' 500 --row b1 t1 'event 2' 1000 --row b1 t1 'event 3' 1500 --expansion-ms 80
"""


def write_datafile(path, experiment, columns, rows, expansion_ms=None, participant="P01",
                   run_date="2026-12-06 10:15:42", line_end="\n"):
    columns = list(columns)
    rows = [list(row) for row in rows]
    if expansion_ms is not None:
        columns.append("Expansion Time(ms): %d" % expansion_ms)
        rows = [row + [""] for row in rows]
    first = [c.split("\n", 1)[0] for c in columns]
    second = [c.split("\n", 1)[1] if "\n" in c else "" for c in columns]
    lines = [participant, experiment, run_date, "Data file version 5", "\t".join(first), "\t".join(second)]
    lines += ["\t".join(str(cell) for cell in row) for row in rows]
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(line_end.join(lines) + line_end)


def cumulative_times(count, total_ms):
    """Evenly growing run times ending at total_ms, one per row."""
    return [str(round(total_ms * (i + 1) / count)) for i in range(count)]


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Writes one data file as the host does: the participant, the title and the date on the first "
        "three lines, a version line, two heading rows, then a row per event, TAB-separated.",
        epilog=EXAMPLE, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("path", help="the data file to write, e.g. 'testdata/golden/EXPERIMENT P01.txt'")
    parser.add_argument("--title", required=True, help="the experiment's title, the file's second line")
    parser.add_argument("--column", action="append", required=True, metavar="NAME",
                        help=r"a column, in order; '\n' separates the two heading rows, as in 'Event\nName'")
    parser.add_argument("--row", action="append", nargs="+", default=[], metavar="CELL",
                        help="a data row: one cell per column, in order")
    parser.add_argument("--expansion-ms", type=int, help="the expansion time, written as the last heading")
    parser.add_argument("--participant", default="P01")
    parser.add_argument("--date", default="2026-12-06 10:15:42", help="the run's date and time")
    args = parser.parse_args(argv)
    columns = [column.replace("\\n", "\n") for column in args.column]
    for row in args.row:
        if len(row) != len(columns):
            parser.error("row %s has %d cells for %d columns" % (row, len(row), len(columns)))
    write_datafile(args.path, args.title, columns, args.row, expansion_ms=args.expansion_ms,
                   participant=args.participant, run_date=args.date)


if __name__ == "__main__":
    sys.exit(main())
