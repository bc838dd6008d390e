"""Writes data files the way the host does, for the golden and faulty corpora under testdata/.

    from datafile import write_datafile
    write_datafile("testdata/golden/x.vn5 P01.txt", "x",
                   columns=["Block\\nName", "Event\\nName", "Cumulative\\nTime"],
                   rows=[["b1", "e1", "350"], ...], expansion_ms=57)

Column names are the host's two heading rows joined by a line feed; a name without one fills only the first
heading row. The expansion time, when given, becomes the last column's heading, as the host writes it.
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
