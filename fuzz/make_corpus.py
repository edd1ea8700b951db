#!/usr/bin/env python3
"""Writes the seed files of the fuzz corpora: fuzz/make_corpus.py CLI [OUT_DIR].

CLI is a built finplan-cli; its sample scenario and a run of it give the scenario, accounts,
plot file and report file seeds. The settings files' seeds are written here. OUT_DIR defaults to
fuzz/corpus beside this script.
"""

import pathlib
import struct
import subprocess
import sys
import tempfile

HEADER = 80
EVENT = 160
ACCOUNT_TABLE = 4124
GROUP_TABLE = 740
TITLES = 246
SLOT_ARRAYS = 1938
MAX_EVENTS = 149


def run_cli(cli, work):
    # Run inside the scratch folder under a fixed date, so no path or clock gets into the seeds.
    cli = str(pathlib.Path(cli).resolve())
    subprocess.run([cli, "sample", "sample.RET"], check=True, cwd=work)
    subprocess.run([cli, "run", "--today", "2024-03-14T09:05:00", "sample.RET"], check=True,
                   cwd=work, stdout=subprocess.DEVNULL)
    return (work / "sample.RET").read_bytes(), (work / "plotinf01.tmp").read_bytes()


def scenario_seeds(sample):
    events = struct.unpack_from("<h", sample, 0)[0]
    table = HEADER + EVENT * events
    slots = table + ACCOUNT_TABLE + GROUP_TABLE + TITLES
    event_bytes = sample[HEADER:table]
    many = b"".join(event_bytes[EVENT * (i % events):EVENT * (i % events + 1)]
                    for i in range(MAX_EVENTS))
    return {
        "sample.RET": sample,
        # New's short form: header, events and account table.
        "short.RET": sample[:table + ACCOUNT_TABLE],
        # Ends in the middle of the slot arrays.
        "cut.RET": sample[:slots + SLOT_ARRAYS // 2],
        "most_events.RET": struct.pack("<h", MAX_EVENTS) + sample[2:HEADER] + many +
        sample[table:],
    }, table, slots


def accounts_seeds(sample, table, slots):
    accounts = sample[table:table + ACCOUNT_TABLE]
    return {
        "table.ACC": accounts,
        "with_slots.ACC": accounts + sample[slots:slots + SLOT_ARRAYS],
    }


def finance_seeds():
    counter = "  3.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n"
    return {
        "typical.dat": ("/home/pat/plans/plan.RET\n" + counter + "/home/pat/plans/plan.RET\n"
                        "old.RET\nC:\\PLANS\\FIRST.RET\n\n\n\n").encode(),
        "name_only.dat": b"sample.RET\n",
        "fresh.dat": ("\n" + "  1.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n" +
                      "\n" * 6).encode(),
        # A line longer than one read continues as the next one.
        "long_line.dat": ("/" + "p" * 300 + ".RET\n" + counter + "a.RET\n").encode(),
    }


def pref_seeds():
    record = struct.pack("<10if80s7i", 120, 40, 1, 0, 1, 1, 1, 1, 1, 0, 1.0, bytes(80),
                         800, 450, 1000, 1000, 500, 1000, 1)
    assert len(record) == 152
    return {"full.dat": record, "short.dat": record[:40]}


def plot_seeds(plot):
    small = ("1\nFile: plan.ret\nDate: 03/14/2024\nTime: 09:05:00\n2.00\n2\n"
             "Savings\nHouse\n10000.50\n250000.00\n"
             "65.0 1.00 2.00 3.00 4.00 5.00 6.00 7.00 8.00\n9000.25\n255000.00\n"
             "66.0 1.00 2.00 3.00 4.00 5.00 6.00 7.00 8.00\n"
             "Stocks\n\nBonds\n\n\n\n\n\n\nCash\n\n\n\n\n\n\n3\n0\nDone\n")
    return {"sample.plot": plot, "two_years.plot": small.encode()}


def report_seeds(cli, work):
    # The beginnings of the run's report files and of two report pages.
    cli = str(pathlib.Path(cli).resolve())

    def report(kind):
        subprocess.run([cli, "report", "sample.RET", kind, "--today", "2024-03-14T09:05:00"],
                       check=True, cwd=work, stdout=subprocess.DEVNULL)
        return (work / "rpage1").read_bytes()

    networth = report("networth")
    report("incoming-events")
    flow = report("account-flow")
    return {
        "networth_page": networth[:1500],
        "event_log": (work / "bigfile.tmp").read_bytes()[:1500],
        "event_work": (work / "tmpfile.tmp").read_bytes()[:1200],
        "account_files": (work / "infile.tmp").read_bytes()[:800] +
        (work / "outfile.tmp").read_bytes()[:800],
        "flow_page": flow[:1200],
        "selected_row": b" 45.0-O",
    }


def write(out, name, seeds):
    folder = out / name
    folder.mkdir(parents=True, exist_ok=True)
    for file_name, content in seeds.items():
        (folder / file_name).write_bytes(content)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    cli = sys.argv[1]
    out = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 else \
        pathlib.Path(__file__).resolve().parent / "corpus"
    with tempfile.TemporaryDirectory() as work:
        sample, plot = run_cli(cli, pathlib.Path(work))
        reports = report_seeds(cli, pathlib.Path(work))
    scenarios, table, slots = scenario_seeds(sample)
    write(out, "scenario_file", scenarios)
    write(out, "accounts_file", accounts_seeds(sample, table, slots))
    write(out, "finance_dat", finance_seeds())
    write(out, "pref_file", pref_seeds())
    write(out, "plot_file", plot_seeds(plot))
    write(out, "report_pages", reports)


if __name__ == "__main__":
    main()
