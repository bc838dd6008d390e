#!/usr/bin/env python3
"""Measures how many planted faults the tests catch.

usage: scripts/mutants.py [--mutants N] [--seed S] [--build-dir DIR] [--jobs J] [--list] [--kill-matrix FILE]
                          [--only FILE] [--wine]

Finds every place in the product code where a small fault can be planted (a comparison turned, && and ||
swapped, a boolean flipped, +1 and -1 swapped, a negation dropped), outside comments, strings and preprocessor
lines. A seeded sample of N of them is planted one at a time: the file is changed, the build directory rebuilt
incrementally and the test suite run until its first failure. A mutant is killed when a test fails (or the suite
times out), survives when every test passes, and is left out of the score when it does not compile. Every file is
put back as it was, whatever happens. The same seed gives the same sample as long as the sampled lines are
unchanged: a site's place in it depends on its file's name, its line's text and the change, not on other code.

The build directory is kept between runs (in memory when /dev/shm exists: the tests write and flush many small
files). --list prints the sample without building anything. --kill-matrix runs the whole suite for every mutant
and writes, for each, every test that failed: the tests that alone kill a mutant are the ones a diet must keep.
--only FILE plants just the sampled mutants FILE lists as --list prints them, such as an earlier run's survivors.
--wine gives every mutant that survives the Linux build a second chance to die: it is built into a Windows
cross-build as well and that build's tests run under Wine. Lines only Windows compiles (the *_windows.cpp files,
code for 16-bit wide characters) are planted and scored like any other line that way.

A mutant that no input can tell from the original is listed in scripts/equivalent-mutants.txt, one line each:
"<file>: <line>  ->  <mutated line>  # <why no test can catch it>". Listed mutants are not planted and not scored;
a line without a reason stops the run.
"""
import argparse
import hashlib
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT_DIRS = ["plugin", "reporting", "sdk", "tabulon", "tools", "verifiers"]
TEST_TIMEOUT_SECONDS = 120
EQUIVALENTS_FILE = os.path.join(ROOT, "scripts", "equivalent-mutants.txt")

# Each operator: a pattern over the code (comments and literals blanked) and what the match becomes. Binary
# operators need a blank on both sides, as the house style writes them: that leaves out template brackets,
# shifts, arrows and increments.
OPERATORS = [
    ("==", re.compile(r"(?<= )==(?= )"), "!="),
    ("!=", re.compile(r"(?<= )!=(?= )"), "=="),
    ("<", re.compile(r"(?<= )<(?= )"), "<="),
    ("<=", re.compile(r"(?<= )<=(?= )"), "<"),
    (">", re.compile(r"(?<= )>(?= )"), ">="),
    (">=", re.compile(r"(?<= )>=(?= )"), ">"),
    ("&&", re.compile(r"(?<= )&&(?= )"), "||"),
    ("||", re.compile(r"(?<= )\|\|(?= )"), "&&"),
    ("true", re.compile(r"\btrue\b"), "false"),
    ("false", re.compile(r"\bfalse\b"), "true"),
    ("+ 1", re.compile(r"(?<= )\+ 1(?![\w.'])"), "- 1"),
    ("- 1", re.compile(r"(?<= )- 1(?![\w.'])"), "+ 1"),
    ("!", re.compile(r"(?<=[(\s])!(?=[\w(*])"), ""),
]


def blank_non_code(text):
    """The text with comments, string and character literals and preprocessor lines turned into blanks (line
    breaks kept), so that offsets in the result are offsets in the text."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            # A preprocessor line, with its continuations.
            j = i
            while j < n and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            end = min(j, n)
        elif text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i + 2)
            delimiter = text[i + 2:open_paren]
            close = text.find(")" + delimiter + '"', open_paren)
            end = n if close < 0 else close + len(delimiter) + 2
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            end = min(j + 1, n)
        else:
            if c == "\n":
                line_start = True
            elif not c.isspace():
                line_start = False
            i += 1
            continue
        for k in range(i, end):
            if out[k] != "\n":
                out[k] = " "
        i = end
    return "".join(out)


def product_files():
    for folder in PRODUCT_DIRS:
        for base, _, names in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    yield os.path.relpath(os.path.join(base, name), ROOT)


def mutation_sites():
    """Every (file, offset, original, replacement) in a fixed order."""
    sites = []
    for path in sorted(product_files()):
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            text = f.read()
        code = blank_non_code(text)
        for _, pattern, replacement in OPERATORS:
            for match in pattern.finditer(code):
                sites.append((path, match.start(), match.group(0), replacement))
    sites.sort()
    return sites


def sample_rank(site, seed):
    """A site's place in the seeded sample. It depends on the file's name, the line's text, the column and the
    change, not on where the file sits or on other lines: moving a file or editing elsewhere keeps the sample."""
    path, offset, original, replacement = site
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        text = f.read()
    line_start = text.rfind("\n", 0, offset) + 1
    line_end = text.find("\n", offset)
    line = text[line_start:line_end if line_end >= 0 else len(text)]
    identity = f"{seed}|{os.path.basename(path)}|{line.strip()}|{offset - line_start}|{original}|{replacement}"
    return hashlib.sha1(identity.encode("utf-8")).hexdigest()


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


def describe(path, offset, original, replacement):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        text = f.read()
    line_no = line_of(text, offset)
    line_start = text.rfind("\n", 0, offset) + 1
    line_end = text.find("\n", offset)
    line = text[line_start:line_end if line_end >= 0 else len(text)]
    column = offset - line_start
    mutated = line[:column] + replacement + line[column + len(original):]
    return f"{path}:{line_no}", line.strip(), mutated.strip()


def equivalence_key(site):
    """How the equivalents file names a mutant: its file and its line before and after, not the line number, which
    moves with every edit above it."""
    return equivalence_key_of(*describe(*site))


def equivalence_key_of(where, before, after):
    """The same key from a mutant as --list and --kill-matrix write it: "file:line", its line before and after."""
    return f"{where.rsplit(':', 1)[0]}: {before}  ->  {after}"


def read_equivalents():
    """The listed equivalent mutants, each with its reason."""
    equivalents = {}
    if not os.path.exists(EQUIVALENTS_FILE):
        return equivalents
    with open(EQUIVALENTS_FILE, encoding="utf-8") as listed:
        for number, line in enumerate(listed, 1):
            if not line.strip() or line.startswith("#"):
                continue
            key, _, reason = line.rstrip("\n").partition("  # ")
            if not reason.strip():
                sys.exit(f"mutants: {EQUIVALENTS_FILE}:{number} gives no reason why the mutant is equivalent")
            equivalents[key.strip()] = reason.strip()
    return equivalents


def default_build_dir():
    digest = hashlib.sha1(ROOT.encode()).hexdigest()[:8]
    base = "/dev/shm" if os.path.isdir("/dev/shm") and os.access("/dev/shm", os.W_OK) else ROOT
    return os.path.join(base, f"dh-mutants-{digest}")


def run(command, cwd, timeout=None):
    """Exit status of the command (its output discarded); None when it ran out of time."""
    process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    finally:
        # Whatever ends the wait (time out, interruption), nothing of the command outlives it.
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def configure(build_dir, jobs):
    command = ["cmake", "-S", ROOT, "-B", build_dir, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
               "-DDH_WERROR=OFF"]
    if shutil.which("ld.lld"):
        command += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"]
    if run(command, ROOT) != 0:
        sys.exit("mutants: cmake could not configure " + build_dir)
    if run(["cmake", "--build", build_dir, "-j", str(jobs)], ROOT) != 0:
        sys.exit("mutants: the unchanged code does not build in " + build_dir)


def limit_file_size():
    """A mutant can turn a write loop endless: no file of the tests may grow past 4 GiB, so that such a mutant
    is killed by the limit instead of filling the disk under every other process of the machine."""
    resource.setrlimit(resource.RLIMIT_FSIZE, (4 << 30, 4 << 30))


def failing_tests(build_dir, jobs, whole_suite=False, env=None):
    """The names of the tests that failed (empty when all passed), or None when the suite ran out of time. Stops
    at the first failure unless the whole suite is asked for."""
    # The scaffold test builds a copy of the tree for a new experiment and runs that experiment's cases only: what it
    # could catch in a mutant the suite itself catches, at the cost of a second build per mutant.
    command = ["ctest", "--test-dir", build_dir, "-j", str(jobs), "--timeout", str(TEST_TIMEOUT_SECONDS),
               "-LE", "scaffold"]
    if not whole_suite:
        command.append("--stop-on-failure")
    try:
        result = subprocess.run(command, cwd=ROOT, capture_output=True, text=True, errors="replace",
                                timeout=TEST_TIMEOUT_SECONDS * 10, start_new_session=True, preexec_fn=limit_file_size,
                                env=env)
    except subprocess.TimeoutExpired:
        return None
    failed = re.findall(r"^\s*\d+ - (\S+) \(", result.stdout.split("The following tests FAILED:")[-1], re.M)
    if result.returncode != 0 and not failed:
        failed = ["(the suite failed without naming a test)"]
    return failed


class WindowsBuild:
    """The cross-build beside the Linux one and the Wine prefix its tests run in, both kept between runs."""

    def __init__(self, linux_build_dir, jobs):
        self.build_dir, self.jobs = linux_build_dir + "-windows", jobs
        self.env = dict(os.environ, WINEPREFIX=linux_build_dir + "-wine", WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", JOBS=str(jobs))

    def prepare(self):
        print(f"building the unchanged code for Windows in {self.build_dir}")
        if subprocess.run([os.path.join(ROOT, "scripts", "build-windows.sh"), self.build_dir], cwd=ROOT,
                          stdout=subprocess.DEVNULL, env=self.env).returncode != 0:
            sys.exit("mutants: the unchanged code does not build for Windows in " + self.build_dir)
        subprocess.run(["wineboot", "--init"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.failing_tests() != []:
            sys.exit("mutants: the tests do not pass under Wine on the unchanged code")

    def built(self):
        return run(["cmake", "--build", self.build_dir, "-j", str(self.jobs)], ROOT) == 0

    def failing_tests(self, whole_suite=False):
        return failing_tests(self.build_dir, self.jobs, whole_suite, self.env)

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class PlantedMutant:
    """The file changed on entry and put back on exit, also when the run is interrupted."""

    def __init__(self, path, offset, original, replacement):
        self.full = os.path.join(ROOT, path)
        self.offset, self.original, self.replacement = offset, original, replacement

    def __enter__(self):
        with open(self.full, encoding="utf-8") as f:
            self.text = f.read()
        assert self.text[self.offset:self.offset + len(self.original)] == self.original
        mutated = self.text[:self.offset] + self.replacement + self.text[self.offset + len(self.original):]
        self.previous_handler = signal.signal(signal.SIGTERM, signal.default_int_handler)
        with open(self.full, "w", encoding="utf-8") as f:
            f.write(mutated)
        return self

    def __exit__(self, *_):
        with open(self.full, "w", encoding="utf-8") as f:
            f.write(self.text)
        signal.signal(signal.SIGTERM, self.previous_handler)
        return False


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mutants", type=int, default=200)
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--build-dir", default=default_build_dir())
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--kill-matrix", metavar="FILE",
                        help="run the whole suite for every mutant and write each one's failing tests to FILE")
    parser.add_argument("--wine", action="store_true",
                        help="run the survivors of the Linux build again in a Windows cross-build under Wine")
    parser.add_argument("--only", metavar="FILE",
                        help="plant only the sampled mutants listed in FILE, one per line as --list prints them "
                             "(the survivors of an earlier run, say, once tests were added)")
    args = parser.parse_args()
    matrix = open(args.kill_matrix, "w", encoding="utf-8") if args.kill_matrix else None

    sites = mutation_sites()
    sample = sorted(sorted(sites, key=lambda site: sample_rank(site, args.seed))[:args.mutants])
    print(f"{len(sites)} places to plant a fault in the product code; {len(sample)} sampled with seed {args.seed}")
    if args.only:
        with open(args.only, encoding="utf-8") as listed:
            wanted = {line.strip() for line in listed if line.strip()}
        sample = [site for site in sample if "%s: %s  ->  %s" % describe(*site) in wanted]
        print(f"{len(sample)} of them listed in {args.only}")
    equivalents = read_equivalents()
    if args.list:
        for site in sample:
            where, before, after = describe(*site)
            listed = "  (equivalent)" if equivalence_key(site) in equivalents else ""
            print(f"  {where}: {before}  ->  {after}{listed}")
        return 0

    if subprocess.run(["git", "diff", "--quiet", "--"] + PRODUCT_DIRS, cwd=ROOT).returncode != 0:
        print("mutants: note: the product code has uncommitted changes; they are measured as they are")
    print(f"building the unchanged code in {args.build_dir}")
    configure(args.build_dir, args.jobs)
    if failing_tests(args.build_dir, args.jobs) != []:
        sys.exit("mutants: the tests do not pass on the unchanged code")
    windows = WindowsBuild(args.build_dir, args.jobs) if args.wine else None
    if windows:
        windows.prepare()

    killed, survived, not_compiled, equivalent = 0, [], 0, 0
    started = time.time()
    for number, site in enumerate(sample, 1):
        where, before, after = describe(*site)
        reason = equivalents.get(equivalence_key(site))
        if reason is not None:
            equivalent += 1
            print(f"[{number}/{len(sample)}] {'equivalent':16} {where}: {before}  ->  {after}  ({reason})", flush=True)
            continue
        with PlantedMutant(*site):
            built = run(["cmake", "--build", args.build_dir, "-j", str(args.jobs)], ROOT) == 0
            outcome, killers = "not compiled", []
            if built:
                killers = failing_tests(args.build_dir, args.jobs, whole_suite=matrix is not None)
                outcome = "killed (timeout)" if killers is None else "killed" if killers else "survived"
            if outcome == "survived" and windows and windows.built():
                killers = windows.failing_tests(whole_suite=matrix is not None)
                outcome = "killed on Windows" if killers is None or killers else "survived"
                killers = ["(timeout under Wine)"] if killers is None else ["wine:" + name for name in killers]
        if matrix is not None and built:
            failed = "(timeout)" if killers is None else " ".join(killers) or "(survived)"
            matrix.write(f"{where}\t{before}\t{after}\t{failed}\n")
            matrix.flush()
        if outcome == "not compiled":
            not_compiled += 1
        elif outcome == "survived":
            survived.append((where, before, after))
        else:
            killed += 1
        by = f"  [{killers[0]}{' ...' if len(killers) > 1 else ''}]" if killers else ""
        print(f"[{number}/{len(sample)}] {outcome:16} {where}: {before}  ->  {after}{by}", flush=True)

    if windows:
        windows.stop()
    scored = killed + len(survived)
    print(f"\n{killed} killed, {len(survived)} survived, {not_compiled} did not compile, {equivalent} listed as "
          f"equivalent ({time.time() - started:.0f} s)")
    if survived:
        print("survivors:")
        for where, before, after in survived:
            print(f"  {where}: {before}  ->  {after}")
    print(f"score: {killed}/{scored} = {100.0 * killed / scored:.1f}%" if scored else "score: no mutant compiled")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("mutants: interrupted; every file is as it was")
