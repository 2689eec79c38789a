#!/usr/bin/env python3
"""Writes the spectroscopy tables of dats/datfiles/atomdata from the tables in spectral/.

    python3 spectroscopy/data/generate_spectral_tables.py build/spectroscopy/spectral_fragment_masses

The helper prints the formula parser's mass of each MS fragment, so the stored masses are the
ones the MS fragment editor computes. Files are Windows-1252 with LF line ends, in the record
frames the program reads: MS fragments 9 lines a record, IR ranges and experiments 19, NMR
shifts 49.
"""
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
INPUT = HERE / "spectral"
OUTPUT = HERE.parent.parent / "dats" / "datfiles" / "atomdata"

SOURCES = {
    "UCLA": "UCLA WebSpectra, Table of IR Absorptions",
    "SILV": "Silverstein, Webster, Kiemle 2005",
    "PRETSCH": "Pretsch, Bühlmann, Badertscher 2009",
    "EPST": "Encyclopedia of Physical Science and Technology 2001, IR table IV",
    "CRC": "CRC Handbook of Chemistry and Physics",
    "BOULDER": "University of Colorado Boulder, proton NMR chart",
    "REED": "Reed College, 1H NMR shifts of XCH3 (after Pretsch)",
    "GKN": "Gottlieb, Kotlyar, Nudelman 1997; Fulmer et al. 2010",
    "STARKEY": "Starkey, Cal Poly Pomona, 13C NMR chemical shifts",
    "HINDAWI": "Int. J. Ecology 2015, table 1 (13C species)",
    "GLAG": "CCSU (Glagovich), MS fragmentation summary",
    "THERMO": "Thermo Fisher, common neutral losses",
    "LANGE": "Lange's Handbook of Chemistry, 15th ed., 7.8.2.4",
    "NIST": "NIST Chemistry WebBook, EI mass spectrum",
}

IR_RANGES = 8
NMR_SHIFTS = 45


def rows(name):
    with open(INPUT / name, encoding="utf-8") as table:
        return [line.rstrip("\n").split("\t") for line in table if line.strip() and not line.startswith("#")]


def comment(source, norwegian):
    return ("Kilde: " if norwegian else "Source: ") + SOURCES[source]


def write_records(name, records, length):
    lines = ["\\"]
    for record in records:
        assert len(record) == length, (name, record)
        assert not any(line.startswith("\\") for line in record), (name, record)
        lines += record + ["\\"]
    (OUTPUT / name).write_bytes(("\n".join(lines) + "\n").encode("cp1252"))


def ir_record(row, norwegian):
    english, norsk, ranges, source = row
    record = [norsk if norwegian else english, "", comment(source, norwegian)]
    pairs = [pair.split("-") for pair in ranges.split()]
    assert len(pairs) <= IR_RANGES, row
    for k in range(IR_RANGES):
        record += pairs[k] if k < len(pairs) else ["", ""]
    return record


def nmr_record(row, norwegian):
    english, norsk, tolerance, shifts, source = row
    values = shifts.split()
    assert len(values) <= NMR_SHIFTS, row
    record = [norsk if norwegian else english, comment(source, norwegian), tolerance]
    record += values + [""] * (NMR_SHIFTS - len(values))
    return record + [""]


def ms_records(helper, table, norwegian):
    formulas = [row[0] for row in table]
    result = subprocess.run([helper], input="\n".join(formulas) + "\n", capture_output=True, text=True, check=True)
    masses = result.stdout.split()
    assert len(masses) == len(formulas)
    records = []
    for row, mass in zip(table, masses):
        assert float(mass) > 0, row
        records.append([row[0], mass, "", row[2] if norwegian else row[1], "", "", "", "", ""])
    return records


def experiment_record(row):
    name, formula, tolerance, ms, ir, h1, c13 = row
    return [name, formula, tolerance, "", ms, ir, "", h1, c13] + [""] * 10


def main():
    helper = sys.argv[1]
    ir = rows("ir_groups.tsv")
    h1 = rows("h1_shifts.tsv")
    c13 = rows("c13_shifts.tsv")
    ms = rows("ms_fragments.tsv")
    for prefix, norwegian in (("no", True), ("en", False)):
        write_records(prefix + "irdata.dat", [ir_record(row, norwegian) for row in ir], 19)
        write_records(prefix + "hnmr.dat", [nmr_record(row, norwegian) for row in h1], 49)
        write_records(prefix + "cnmr.dat", [nmr_record(row, norwegian) for row in c13], 49)
        write_records(prefix + "msfrag.dat", ms_records(helper, ms, norwegian), 9)
    write_records("spectral.dat", [experiment_record(row) for row in rows("experiments.tsv")], 19)


if __name__ == "__main__":
    main()
