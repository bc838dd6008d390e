#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets from the data files under testdata/.

usage: make-corpus.py OUTPUT_DIR

The parser targets take a data file as it is. The reader and plug-in targets read control bytes from the end of
their input ([file][control][control length]); their seeds are the data files with such a trailer appended, for
the plug-in target starting with the experiment name of the file, so that each seed reaches its own verifier,
and the file's stimulus areas (X.stimareas beside X.txt) when it has any.
"""
import hashlib
import os
import random
import shutil
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = ["testdata/golden", "testdata/faulty", "testdata/tabulon", "testdata/fuzz-regressions"]
PLAIN_TARGETS = ["text_parser_fuzzer", "inmemory_parser_fuzzer"]


def data_files():
    for folder in SOURCES:
        path = os.path.join(ROOT, folder)
        if not os.path.isdir(path):
            continue
        for name in sorted(os.listdir(path)):
            full = os.path.join(path, name)
            beside = (".stimareas", ".expected", ".host", ".dump")  # what the tests keep beside a data file
            if os.path.isfile(full) and not name.startswith("README") and not name.endswith(beside):
                yield name, full


def with_trailer(body, control):
    control = control[:255]
    return body + control + bytes([len(control)])


def write(folder, name, content):
    digest = hashlib.sha1(content).hexdigest()[:16]
    with open(os.path.join(folder, "seed-" + digest), "wb") as out:
        out.write(content)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    output = sys.argv[1]
    for target in PLAIN_TARGETS + ["reader_fuzzer", "plugin_fuzzer"]:
        folder = os.path.join(output, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    count = 0
    for name, path in data_files():
        with open(path, "rb") as f:
            body = f.read()
        rng = random.Random(name)
        for target in PLAIN_TARGETS:
            write(os.path.join(output, target), name, body)
        for _ in range(3):
            write(os.path.join(output, "reader_fuzzer"), name, with_trailer(body, rng.randbytes(rng.randint(8, 96))))
        experiment = name.split(" ")[0].encode("utf-8")
        hint = bytes([len(experiment)]) + experiment if len(experiment) < 120 else b"\0"
        areas_path = os.path.splitext(path)[0] + ".stimareas"
        areas = open(areas_path, "rb").read()[:120] if os.path.isfile(areas_path) else b""
        control = hint + bytes([len(areas)]) + areas
        write(os.path.join(output, "plugin_fuzzer"), name, with_trailer(body, control + rng.randbytes(24)))
        count += 1
    # Raw inputs kept for one target go to that target as they are.
    regressions = os.path.join(ROOT, "testdata/fuzz-regressions")
    for target in PLAIN_TARGETS + ["reader_fuzzer", "plugin_fuzzer"]:
        folder = os.path.join(regressions, target)
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            with open(os.path.join(folder, name), "rb") as f:
                write(os.path.join(output, target), name, f.read())
            count += 1
    print(f"seed corpora from {count} data files and kept inputs in {output}")


if __name__ == "__main__":
    main()
