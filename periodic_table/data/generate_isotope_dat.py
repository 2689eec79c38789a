#!/usr/bin/env python3
"""Writes dats/datfiles/atomdata/isotope.dat, the nuclear data of every listed isotope.

Inputs:
  engine/data/element_tables.cpp   the compiled-in isotope list (symbols, masses, abundances)
  isotope_nmr.csv                  spins, magnetogyric ratios, quadrupole moments and
                                   frequency ratios, with their source per row
  /usr/share/bodr/isotopes.xml     spins, magnetic moments and natural abundances
                                   (Debian package bodr; the build does not need it)

Run: python3 periodic_table/data/generate_isotope_dat.py [--bodr DIR]
The generated file is committed; rerun this script after changing an input.
"""

import argparse
import csv
import math
import re
import struct
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
TABLES = ROOT / "engine" / "data" / "element_tables.cpp"
OUTPUT = ROOT / "dats" / "datfiles" / "atomdata" / "isotope.dat"
CML = "{http://www.xml-cml.org/schema}"

SOURCES = {"harris2001", "nubase2020", "even-even"}
HBAR = 1.054571817e-34          # J s (CODATA 2018)
NUCLEAR_MAGNETON = 5.0507837461e-27  # J/T (CODATA 2018)
PROTON_FREQUENCY_MHZ = 100.0
MOMENT_TOLERANCE = 0.0025       # relative, on top of the rounding of bodr's last digit
FREQUENCY_RATIO_SPREAD = 0.02   # how far reference shielding may move a ratio from gamma's
ROW_WIDTH = 66
TAB_WIDTH = 8                   # the window's text field stops tabs every 8 cells
FIELD_CELLS = 74                # the cells of one line of that field
ROW_COLUMNS = [0, 8, 16, 32, 40, 48, 56, 64]  # where the values stand, under their headings


class DataError(Exception):
    pass


def float32(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def read_table_isotopes():
    """(Z, symbol, mass number, abundance, mass) in table order, as the program sees them."""
    text = TABLES.read_text(encoding="ascii")
    elements = re.findall(r'^    \{"(?:[^"]|"")*", "(\w+)", (\d+),', text, re.M)
    records = re.findall(r"^    \{(\d+), \{([^}]*)\},\s*\{([^}]*)\}\},  // (\d+) (\w+)$", text, re.M)
    if len(elements) != 103 or [(r[4], r[3]) for r in records] != elements:
        raise DataError(f"{TABLES.name}: cannot read the element and isotope tables")
    numbers = lambda cells: [float32(float(c.strip().rstrip("f"))) for c in cells.split(",")]
    isotopes = []
    for count, abundances, masses, z, symbol in records:
        for abundance, mass in list(zip(numbers(abundances), numbers(masses)))[:int(count)]:
            isotopes.append((int(z), symbol, int(mass + 0.5), abundance, mass))
    return isotopes


def read_bodr(bodr_dir):
    nuclides = {}
    root = ET.parse(bodr_dir / "isotopes.xml").getroot()
    for isotope in root.iter(f"{CML}isotope"):
        scalars = {s.get("dictRef"): (s.text or "").strip() for s in isotope.findall(f"{CML}scalar")}
        nuclides[(isotope.get("elementType"), int(isotope.get("number")))] = scalars
    return nuclides


NUMBER_COLUMNS = ("gamma_1e7_rad_per_T_s", "quadrupole_fm2", "frequency_ratio_percent")


def read_nmr_rows():
    rows = {}
    with open(HERE / "isotope_nmr.csv", newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            key = (row["symbol"], int(row["mass_number"]))
            where = f"isotope_nmr.csv {row['symbol']}[{key[1]}]"
            if key in rows:
                raise DataError(f"{where}: twice")
            if row["source"] not in SOURCES:
                raise DataError(f"{where}: unknown source '{row['source']}'")
            if not set(row["bodr_replaced"].split()) <= {"spin", "moment"}:
                raise DataError(f"{where}: bodr_replaced '{row['bodr_replaced']}'")
            for column in NUMBER_COLUMNS:
                if row[column] and not re.fullmatch(r"-?\d+\.?\d*", row[column]):
                    raise DataError(f"{where}: {column} '{row[column]}' is not a number")
            if not row["gamma_1e7_rad_per_T_s"] and (row["quadrupole_fm2"] or row["frequency_ratio_percent"]):
                raise DataError(f"{where}: NMR values without a magnetogyric ratio")
            rows[key] = row
    return rows


def parse_spin(text, where):
    if not re.fullmatch(r"\d+(/2)?", text):
        raise DataError(f"{where}: spin '{text}'")
    return Fraction(text)


def check_spin_parity(z, mass_number, spin, where):
    neutrons = mass_number - z
    if mass_number % 2 == 1 and spin.denominator != 2:
        raise DataError(f"{where}: odd mass number needs a half-integer spin, not {spin}")
    if mass_number % 2 == 0 and spin.denominator != 1:
        raise DataError(f"{where}: even mass number needs an integer spin, not {spin}")
    if z % 2 == 0 and neutrons % 2 == 0 and spin != 0:
        raise DataError(f"{where}: even-even nucleus with spin {spin}")
    if z % 2 == 1 and neutrons % 2 == 1 and spin == 0:
        raise DataError(f"{where}: odd-odd nucleus with spin 0")


def significant_digits(text):
    return len(Decimal(text).as_tuple().digits)


def last_digit_half_unit(text):
    return 0.5 * 10.0 ** Decimal(text).as_tuple().exponent


def compact(text, decimals):
    """The typed number, rounded to the given decimals when it has more."""
    value = Decimal(text)
    if value.as_tuple().exponent < -decimals:
        value = value.quantize(Decimal(1).scaleb(-decimals))
    return str(value).lstrip("+")


def with_significant(value, digits):
    return compact(f"{value:.{digits}g}", 4)


def format_receptivity(value):
    """Three significant digits in at most seven characters, so that the value keeps to its column."""
    if value >= 0.01:
        decimals = 2 - math.floor(math.log10(value))
        return f"{value:.{max(decimals, 0)}f}"
    mantissa, exponent = f"{value:.2E}".split("E")
    return f"{mantissa}E{int(exponent)}"


def spin_text(spin):
    return f"{spin.numerator}/2" if spin.denominator == 2 else str(spin.numerator)


class RecordBuilder:
    def __init__(self, z, symbol, mass_number, bodr, row, proton_gamma, proton_abundance):
        self.z, self.symbol, self.mass_number = z, symbol, mass_number
        self.where = f"{symbol}[{mass_number}]"
        self.bodr = bodr
        self.row = row
        self.replaced = set((row or {}).get("bodr_replaced", "").split())
        self.proton_gamma = proton_gamma
        self.proton_abundance = proton_abundance
        self.sources = []

    def bodr_spin(self):
        text = self.bodr.get("bo:spin", "").rstrip("+-")
        return parse_spin(text, f"{self.where} bodr") if text else None

    def spin(self):
        from_bodr = self.bodr_spin()
        if self.row is None:
            if from_bodr is None:
                raise DataError(f"{self.where}: no spin in bodr or isotope_nmr.csv")
            self.sources.append("spin=bodr")
            return from_bodr
        spin = parse_spin(self.row["spin"], f"{self.where} isotope_nmr.csv")
        differs = from_bodr is not None and from_bodr != spin
        if differs != ("spin" in self.replaced):
            raise DataError(f"{self.where}: bodr spin {from_bodr}, isotope_nmr.csv {spin}; "
                            "bodr_replaced must say 'spin' exactly when they differ")
        self.sources.append(f"spin={self.row['source']}")
        return spin

    def bodr_moment_disagrees(self, computed):
        text = self.bodr.get("bo:magneticMoment", "")
        if not re.fullmatch(r"[+-]?\d+\.\d+", text):
            return bool(text)
        if computed is None:
            return True
        allowed = MOMENT_TOLERANCE * abs(computed) + last_digit_half_unit(text)
        return abs(float(text) - computed) > allowed

    def moment(self, spin, gamma_text):
        computed = None
        if gamma_text:
            computed = float(gamma_text) * 1e7 * HBAR / NUCLEAR_MAGNETON * float(spin)
        has_bodr = "bo:magneticMoment" in self.bodr
        disagrees = has_bodr and self.bodr_moment_disagrees(computed)
        if disagrees != ("moment" in self.replaced):
            raise DataError(f"{self.where}: bodr moment '{self.bodr.get('bo:magneticMoment')}', "
                            f"from the gamma {computed}; bodr_replaced must say 'moment' "
                            "exactly when they disagree")
        if has_bodr and not disagrees:
            self.sources.append("mu=bodr")
            text = self.bodr["bo:magneticMoment"]
            return with_significant(float(text), min(5, significant_digits(text)))
        if computed is None:
            return ""
        self.sources.append("mu=gamma")
        return with_significant(computed, min(5, significant_digits(gamma_text)))

    def frequency(self, gamma):
        ratio = self.row["frequency_ratio_percent"]
        from_gamma = PROTON_FREQUENCY_MHZ * abs(gamma) / self.proton_gamma
        if not ratio:
            self.sources.append("freq=gamma")
            return f"{from_gamma:.3f}"
        from_ratio = float(ratio) * PROTON_FREQUENCY_MHZ / 100.0
        if abs(from_ratio / from_gamma - 1) > FREQUENCY_RATIO_SPREAD:
            raise DataError(f"{self.where}: frequency ratio {ratio} far from the gamma's {from_gamma}")
        self.sources.append(f"freq={self.row['source']}")
        return f"{from_ratio:.3f}"

    def receptivity(self, spin, gamma, abundance):
        relative = ((abs(gamma) / self.proton_gamma) ** 3 * float(spin * (spin + 1)) / 0.75
                    * abundance / self.proton_abundance)
        return format_receptivity(relative)

    def build(self):
        """The nine lines of the record."""
        spin = self.spin()
        check_spin_parity(self.z, self.mass_number, spin, self.where)
        abundance = self.bodr.get("bo:relativeAbundance")
        if not abundance:
            raise DataError(f"{self.where}: bodr has no natural abundance")
        gamma_text = (self.row or {}).get("gamma_1e7_rad_per_T_s", "")
        quadrupole = (self.row or {}).get("quadrupole_fm2", "")
        if spin == 0:
            if gamma_text:
                raise DataError(f"{self.where}: spin 0 with NMR values")
            self.spin_zero_moment()
            return [self.where, "0", abundance, "", "", "", "", "", " ".join(self.sources)]
        gamma_line = frequency = receptivity = ""
        if gamma_text:
            if bool(quadrupole) != (spin >= 1):
                raise DataError(f"{self.where}: a quadrupole moment belongs to every nucleus of spin 1 or more")
            gamma = float(gamma_text)
            self.sources.append(f"gamma={self.row['source']}")
            if quadrupole:
                self.sources.append(f"q={self.row['source']}")
            gamma_line = compact(gamma_text, 4)
            frequency = self.frequency(gamma)
            receptivity = self.receptivity(spin, gamma, float(abundance))
        moment = self.moment(spin, gamma_text)
        return [self.where, spin_text(spin), abundance, gamma_line, receptivity, moment,
                quadrupole, frequency, " ".join(self.sources)]

    def spin_zero_moment(self):
        if ("bo:magneticMoment" in self.bodr) != ("moment" in self.replaced):
            raise DataError(f"{self.where}: spin 0; bodr_replaced must say 'moment' exactly "
                            "when bodr lists a moment")


def row_faults(row):
    """Why the row would not stand in the window's field with each value under its heading: a value
    that fills its column pushes the later ones a tab to the right; a row wider than the field wraps."""
    faults = [f"{len(row)} characters"] if len(row) > ROW_WIDTH else []
    starts, cell = [], 0
    for value in row.split("\t"):
        cell = (cell // TAB_WIDTH + 1) * TAB_WIDTH if starts else 0
        starts.append(cell)
        cell += len(value)
    if starts != ROW_COLUMNS:
        faults.append(f"values start at cells {starts}, not {ROW_COLUMNS}")
    if cell > FIELD_CELLS:
        faults.append(f"{cell} cells wide")
    return faults


def window_row(lines, abundance, mass):
    """The isotope row of the element-properties window, tabs counting as one character."""
    values = [v or "   " for v in lines[1:9]]
    mass_text = f"{mass:.6f}".ljust(11)
    return "\t".join([lines[0], f"{abundance:.3f}", mass_text + values[0], values[6],
                      values[3], values[4], values[5], values[2]])


def generate(bodr_dir):
    bodr = read_bodr(bodr_dir)
    rows = read_nmr_rows()
    isotopes = read_table_isotopes()
    proton_gamma = float(rows[("H", 1)]["gamma_1e7_rad_per_T_s"])
    proton_abundance = float(bodr[("H", 1)]["bo:relativeAbundance"])
    out, used = ["\\"], set()
    for z, symbol, mass_number, abundance, mass in isotopes:
        key = (symbol, mass_number)
        if key not in bodr:
            raise DataError(f"{symbol}[{mass_number}]: not in bodr")
        used.add(key)
        builder = RecordBuilder(z, symbol, mass_number, bodr[key],
                                rows.get(key), proton_gamma, proton_abundance)
        lines = builder.build()
        row = window_row(lines, abundance, mass)
        faults = row_faults(row)
        if faults:
            raise DataError(f"{lines[0]}: window row {row!r}: {'; '.join(faults)}")
        out += lines + ["\\"]
    unused = set(rows) - used
    if unused:
        raise DataError(f"isotope_nmr.csv rows for isotopes the table does not list: {sorted(unused)}")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bodr", type=Path, default=Path("/usr/share/bodr"))
    parser.add_argument("--output", type=Path, default=OUTPUT)
    args = parser.parse_args()
    try:
        text = generate(args.bodr)
    except (DataError, OSError, ET.ParseError) as error:
        sys.exit(f"generate_isotope_dat: {error}")
    args.output.write_text(text, encoding="ascii", newline="\n")


if __name__ == "__main__":
    main()
