#!/usr/bin/env python3
"""Writes element_tables.cpp, the compiled-in tables of the 103 elements.

Inputs, beside this script:
  elements.csv            one row per element; every value has a *_src column
                          naming its source (keys in sources.csv). Cells whose
                          source is bodr, ref, computed or none stay empty.
  reference_values.csv    fixed values in the table's own units, taken verbatim
  isotope_reference.csv   fixed isotope lists; a row with empty cells means the
                          element lists no isotopes
  sources.csv             the source keys and what they stand for
and the Blue Obelisk Data Repository, which the build does not need:
  apt-get install bodr    (installs /usr/share/bodr)

Run: python3 engine/data/generate_element_tables.py [--bodr DIR] [--bodr-version V]
The generated file is committed; rerun this script after changing an input.
"""

import argparse
import csv
import math
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

HERE = Path(__file__).resolve().parent
ELEMENT_COUNT = 103
MAX_OXIDATION_STATES = 5
MAX_ISOTOPES = 10
NO_TEMPERATURE = -999.0
NO_VALUE = -1.0
NO_CODE = 255
CML = {"c": "http://www.xml-cml.org/schema"}

OXIDE_CODES = {"strongly acidic": 3, "acidic": 4, "amphoteric": 5,
               "weakly basic": 6, "basic": 7, "strongly basic": 8}
CRYSTAL_CODES = {"face-centred cubic": 1, "body-centred cubic": 2, "cubic": 3,
                 "hexagonal": 4, "rhombohedral": 5, "tetragonal": 6,
                 "orthorhombic": 7, "monoclinic": 8}
RHOMBOHEDRAL_SPACE_GROUPS = {146, 148, 155, 160, 161, 166, 167}

# (field of ElementRecord, column of elements.csv, sentinel, bodr key)
FLOAT_FIELDS = [
    ("meltingPoint", "melting_point_C", NO_TEMPERATURE, "meltingpoint"),
    ("boilingPoint", "boiling_point_C", NO_TEMPERATURE, "boilingpoint"),
    ("density", "density_g_cm3", NO_VALUE, None),
    ("electronegativity", "electronegativity_pauling", NO_VALUE, "electronegativityPauling"),
    ("covalentRadius", "covalent_radius_pm", NO_VALUE, "radiusCovalent"),
    ("atomicRadius", "atomic_radius_pm", NO_VALUE, None),
    ("atomicVolume", "atomic_volume_cm3_mol", NO_VALUE, None),
    ("ionisationPotential", "ionisation_energy_eV", NO_VALUE, "ionization"),
    ("specificHeat", "specific_heat_J_gK", NO_VALUE, None),
    ("heatOfVaporisation", "heat_of_vaporisation_kJ_mol", NO_VALUE, None),
    ("heatOfFusion", "heat_of_fusion_kJ_mol", NO_VALUE, None),
    ("electricalConductivity", "electrical_resistivity_uOhm_cm", NO_VALUE, None),
    ("thermalConductivity", "thermal_conductivity_W_mK", NO_VALUE, None),
]
BODR_UNITS = {"meltingpoint": "siUnits:kelvin", "boilingpoint": "siUnits:kelvin",
              "electronegativityPauling": "boUnits:paulingScaleUnit",
              "radiusCovalent": "units:ang", "ionization": "units:ev"}
CODE_FIELDS = [("acidBaseCharacter", "oxide_character", OXIDE_CODES),
               ("crystalStructure", "crystal_structure", CRYSTAL_CODES)]
EMPTY_CELL_SOURCES = {"bodr", "ref", "computed", "none"}


class DataError(Exception):
    pass


def significant(value, digits=6):
    return float(f"{value:.{digits}g}")


# Conversions from the units of elements.csv (or of bodr) to the table's units.
def kelvin_to_celsius(kelvin):
    return round(kelvin - 273.15, 2)


def picometre_to_angstrom(pm):
    return round(pm / 100.0, 4)


def resistivity_to_conductivity(micro_ohm_cm):
    return significant(1.0 / micro_ohm_cm, 4)   # 10^6 /(Ohm cm)


def per_metre_to_per_centimetre(w_per_m_k):
    return significant(w_per_m_k / 100.0)


HAND_CONVERSIONS = {
    "covalentRadius": picometre_to_angstrom,
    "atomicRadius": picometre_to_angstrom,
    "electricalConductivity": resistivity_to_conductivity,
    "thermalConductivity": per_metre_to_per_centimetre,
}
BODR_CONVERSIONS = {"meltingPoint": kelvin_to_celsius, "boilingPoint": kelvin_to_celsius}


def read_csv(name):
    with open(HERE / name, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def parse_float(text, where):
    try:
        value = float(text)
    except ValueError:
        raise DataError(f"{where}: '{text}' is not a number") from None
    if not math.isfinite(value):
        raise DataError(f"{where}: '{text}' is not finite")
    return value


def read_bodr_elements(bodr_dir):
    elements = {}
    root = ET.parse(bodr_dir / "elements.xml").getroot()
    for atom in root.findall("c:atom", CML):
        values = {}
        for item in atom:
            ref = item.get("dictRef", "")
            if ref.startswith("bo:"):
                key = ref[3:]
                if key in BODR_UNITS and item.get("units") != BODR_UNITS[key]:
                    raise DataError(f"bodr {atom.get('id')} {key}: unit {item.get('units')}")
                values[key] = item.text if item.text is not None else item.get("value")
        z = int(values["atomicNumber"])
        if 1 <= z <= ELEMENT_COUNT:
            elements[z] = values
    return elements


def read_bodr_isotopes(bodr_dir):
    isotopes = {}
    root = ET.parse(bodr_dir / "isotopes.xml").getroot()
    for isotope in root.iter(f"{{{CML['c']}}}isotope"):
        scalars = {s.get("dictRef"): s.text for s in isotope.findall("c:scalar", CML)}
        if "bo:relativeAbundance" not in scalars:
            continue
        z = int(scalars["bo:atomicNumber"])
        isotopes.setdefault(z, []).append(
            (scalars["bo:relativeAbundance"].strip(), scalars["bo:exactMass"].strip()))
    return isotopes


def read_bodr_space_groups(bodr_dir):
    groups = {}
    root = ET.parse(bodr_dir / "crystalstructures.xml").getroot()
    for molecule in root.findall("c:molecule", CML):
        symbols = {a.get("elementType") for a in molecule.iter(f"{{{CML['c']}}}atom")}
        if len(symbols) != 1:
            raise DataError(f"bodr crystal {molecule.get('id')}: not one element")
        symmetry = molecule.find(".//c:symmetry", CML)
        groups[symbols.pop()] = int(symmetry.get("spaceGroup"))
    return groups


def crystal_code_of_space_group(group, symbol):
    if group == 225:
        return CRYSTAL_CODES["face-centred cubic"]
    if group == 229:
        return CRYSTAL_CODES["body-centred cubic"]
    if 195 <= group <= 230:
        return CRYSTAL_CODES["cubic"]
    if 168 <= group <= 194:
        return CRYSTAL_CODES["hexagonal"]
    if 143 <= group <= 167:
        return CRYSTAL_CODES["rhombohedral" if group in RHOMBOHEDRAL_SPACE_GROUPS else "hexagonal"]
    if 75 <= group <= 142:
        return CRYSTAL_CODES["tetragonal"]
    if 16 <= group <= 74:
        return CRYSTAL_CODES["orthorhombic"]
    if 3 <= group <= 15:
        return CRYSTAL_CODES["monoclinic"]
    raise DataError(f"{symbol}: bodr space group {group} has no crystal structure code")


def shell_of(subshell):
    return subshell[:-1]


def format_configuration(bodr_text):
    """'Ar 3d10 4s2 4p1' -> '[Ar]3d^10 4s^2p^1'; the helium core is written out."""
    parts = bodr_text.split()
    core = ""
    if parts[0] == "He":
        parts = ["1s2"] + parts[1:]
    elif parts[0].isalpha():
        core = f"[{parts[0]}]"
        parts = parts[1:]
    text, previous_shell = "", None
    for part in parts:
        split = 2 if part[1].isalpha() else 3
        subshell, count = part[:split], part[split:]
        if not count.isdigit():
            raise DataError(f"bodr configuration '{bodr_text}'")
        if shell_of(subshell) == previous_shell:
            text += f"{subshell[-1]}^{count}"
        else:
            text += (" " if text else "") + f"{subshell}^{count}"
        previous_shell = shell_of(subshell)
    return core + text


def read_reference_values():
    values = {}
    for row in read_csv("reference_values.csv"):
        values[(int(row["Z"]), row["field"])] = row["value"]
    return values


def read_reference_isotopes():
    lists = {}
    for row in read_csv("isotope_reference.csv"):
        entries = lists.setdefault(int(row["Z"]), [])
        if row["abundance_percent"] or row["mass_u"]:
            entries.append((row["abundance_percent"], row["mass_u"]))
    return lists


class ElementBuilder:
    def __init__(self, row, bodr, space_groups, references, source_keys):
        self.row = row
        self.z = int(row["Z"])
        self.symbol = row["symbol"]
        self.bodr = bodr.get(self.z, {})
        self.space_groups = space_groups
        self.references = references
        self.source_keys = source_keys
        self.used_references = set()

    def where(self, column):
        return f"elements.csv Z {self.z} {self.symbol} {column}"

    def cell(self, column):
        value, source = self.row[column].strip(), self.row[column + "_src"].strip()
        if source not in self.source_keys:
            raise DataError(f"{self.where(column)}: unknown source '{source}'")
        if (source in EMPTY_CELL_SOURCES) == bool(value):
            raise DataError(f"{self.where(column)}: source {source} with value '{value}'")
        return value, source

    def reference(self, field, column):
        key = (self.z, field)
        if key not in self.references:
            raise DataError(f"{self.where(column)}: no reference value for {field}")
        self.used_references.add(key)
        return self.references[key]

    def bodr_value(self, key, column):
        if key is None or key not in self.bodr:
            raise DataError(f"{self.where(column)}: bodr has no {key}")
        return self.bodr[key]

    def float_field(self, field, column, sentinel, bodr_key, density):
        value, source = self.cell(column)
        if source == "ref":
            return parse_float(self.reference(field, column), self.where(column)), source
        if source == "none":
            return sentinel, source
        if source == "computed":
            if field != "atomicVolume":
                raise DataError(f"{self.where(column)}: only the atomic volume is computed")
            if density <= 0:
                return sentinel, source
            return round(parse_float(self.row["atomic_mass_u"], self.where("mass")) / density, 2), source
        if source == "bodr":
            number = parse_float(self.bodr_value(bodr_key, column), self.where(column))
            if number <= 0:
                raise DataError(f"{self.where(column)}: bodr gives {number}")
            return BODR_CONVERSIONS.get(field, lambda v: v)(number), source
        number = parse_float(value, self.where(column))
        if field in ("heatOfVaporisation", "heatOfFusion"):
            number = significant(number / int(self.row["formula_atoms"]))
        return HAND_CONVERSIONS.get(field, lambda v: v)(number), source

    def oxidation_states(self):
        value, source = self.cell("oxidation_states")
        if source == "ref":
            value = self.reference("oxidationStates", "oxidation_states")
        states = [int(s) for s in value.split()]
        if len(states) > MAX_OXIDATION_STATES or 0 in states or len(set(states)) != len(states):
            raise DataError(f"{self.where('oxidation_states')}: {states}")
        return states + [0] * (MAX_OXIDATION_STATES - len(states))

    def code_field(self, field, column, names):
        value, source = self.cell(column)
        if source == "ref":
            return int(self.reference(field, column))
        if source == "none":
            return NO_CODE
        if source == "bodr":
            if self.symbol not in self.space_groups:
                raise DataError(f"{self.where(column)}: bodr has no crystal structure")
            return crystal_code_of_space_group(self.space_groups[self.symbol], self.symbol)
        if value not in names:
            raise DataError(f"{self.where(column)}: '{value}' is not one of {sorted(names)}")
        return names[value]

    def configuration(self):
        value, source = self.cell("electron_configuration")
        if source == "ref":
            return self.reference("configuration", "electron_configuration")
        if source == "bodr":
            return format_configuration(self.bodr_value("electronicConfiguration", "electron_configuration"))
        if source == "none":
            raise DataError(f"{self.where('electron_configuration')}: every element has one")
        return value

    def build(self):
        record = {"name": self.row["name"], "symbol": self.symbol, "z": self.z,
                  "atomicMass": parse_float(self.row["atomic_mass_u"], self.where("atomic_mass_u"))}
        for field, column, sentinel, bodr_key in FLOAT_FIELDS:
            record[field], _ = self.float_field(field, column, sentinel, bodr_key, record.get("density", NO_VALUE))
        record["oxidationStates"] = self.oxidation_states()
        for field, column, names in CODE_FIELDS:
            record[field] = self.code_field(field, column, names)
        record["configuration"] = self.configuration()
        mp, bp = record["meltingPoint"], record["boilingPoint"]
        if mp != NO_TEMPERATURE and bp != NO_TEMPERATURE and mp >= bp:
            raise DataError(f"Z {self.z} {self.symbol}: melting point {mp} not below boiling point {bp}")
        return record


def isotope_list(z, symbol, bodr_isotopes, reference_lists):
    if z in reference_lists:
        entries = reference_lists[z]
    else:
        entries = sorted(bodr_isotopes.get(z, []), key=lambda e: -float(e[0]))
        total = sum(float(a) for a, _ in entries)
        if entries and abs(total - 100.0) > 0.01:
            raise DataError(f"{symbol}: bodr abundances add up to {total}")
    if len(entries) > MAX_ISOTOPES:
        raise DataError(f"{symbol}: {len(entries)} isotopes, at most {MAX_ISOTOPES}")
    mass_numbers = [int(float(m) + 0.5) for _, m in entries]
    if len(set(mass_numbers)) != len(mass_numbers):
        raise DataError(f"{symbol}: mass numbers {mass_numbers} repeat")
    abundances = [float(a) for a, _ in entries]
    if abundances != sorted(abundances, reverse=True):
        raise DataError(f"{symbol}: abundances not falling")
    return entries


def float_literal(value):
    text = repr(float(value))
    if "e" not in text and "." not in text:
        text += ".0"
    return text + "f"


def text_literal(text):
    out = ""
    for byte in text.encode("cp1252"):
        if byte >= 0x80:
            out += f'\\x{byte:02X}""'
        elif chr(byte) in '"\\':
            out += "\\" + chr(byte)
        else:
            out += chr(byte)
    return f'"{out}"'


def element_line(r):
    floats = lambda fields: ", ".join(float_literal(r[f]) for f in fields)
    states = ", ".join(str(s) for s in r["oxidationStates"])
    return (f"    {{{text_literal(r['name'])}, {text_literal(r['symbol'])}, {r['z']}, "
            f"{floats(['atomicMass', 'meltingPoint', 'boilingPoint', 'density', 'electronegativity'])}, "
            f"{{{states}}}, "
            f"{floats(['covalentRadius', 'atomicRadius', 'atomicVolume', 'ionisationPotential', 'specificHeat', 'heatOfVaporisation', 'heatOfFusion', 'electricalConductivity', 'thermalConductivity'])}, "
            f"{r['acidBaseCharacter']}, {r['crystalStructure']}}},  // {r['z']} {r['symbol']}")


def isotope_line(z, symbol, entries):
    pad = MAX_ISOTOPES - len(entries)
    abundances = [float_literal(a) for a, _ in entries] + ["0.0f"] * pad
    masses = [float_literal(m) for _, m in entries] + ["0.0f"] * pad
    return (f"    {{{len(entries)}, {{{', '.join(abundances)}}},\n"
            f"        {{{', '.join(masses)}}}}},  // {z} {symbol}")


def configuration_line(r):
    codes = ", ".join([str(NO_CODE)] * 10)
    return f"    {{{text_literal(r['configuration'])}, {{{codes}}}}},  // {r['z']} {r['symbol']}"


def header(bodr_version, source_rows):
    described = {row["key"]: row["source"] for row in source_rows}
    lines = [
        "// Generated by engine/data/generate_element_tables.py from elements.csv,",
        "// reference_values.csv and isotope_reference.csv; do not edit by hand.",
        f"// Created from the Blue Obelisk Data Repository, Debian package bodr {bodr_version}:",
        "//   melting and boiling points (K), Pauling electronegativities, first ionisation",
        "//   energies (eV), covalent radii (A), electron configurations, crystal structures",
        "//   (space groups) and the isotope masses and natural abundances.",
        "// Other sources, named per value in elements.csv:",
    ]
    for key in ("crc", "ge", "chart", "cordero", "sze", "rothe", "est"):
        lines.append(f"//   {key}: {described[key]}")
    lines += [
        "// Fixed reference values (reference_values.csv, isotope_reference.csv) take the place of",
        "// sourced ones where the program's results rest on them; atomic volume = atomic mass / density.",
        "// Units: degrees C, g/cm3, 10^-10 m, cm3/mol, V, J/(g K), kJ/mol (per mole of atoms),",
        "// 10^6 /(Ohm cm), W/(cm K). Sentinels: -999 temperatures, -1 other values, 255 codes.",
    ]
    return lines


def generate(bodr_dir, bodr_version):
    source_rows = read_csv("sources.csv")
    source_keys = {row["key"] for row in source_rows}
    bodr = read_bodr_elements(bodr_dir)
    bodr_isotopes = read_bodr_isotopes(bodr_dir)
    space_groups = read_bodr_space_groups(bodr_dir)
    references = read_reference_values()
    reference_lists = read_reference_isotopes()

    rows = read_csv("elements.csv")
    if [int(r["Z"]) for r in rows] != list(range(1, ELEMENT_COUNT + 1)):
        raise DataError("elements.csv must hold Z 1 to 103 in order")
    records, used = [], set()
    for row in rows:
        builder = ElementBuilder(row, bodr, space_groups, references, source_keys)
        records.append(builder.build())
        used |= builder.used_references
    unused = set(references) - used
    if unused:
        raise DataError(f"reference values not marked ref in elements.csv: {sorted(unused)}")

    lines = header(bodr_version, source_rows)
    lines += ["#include \"engine/elements/element_tables.h\"", "", "const ElementRecord ElementTable[ElementCount] = {"]
    lines += [element_line(r) for r in records]
    lines += ["};", "", "const IsotopeRecord IsotopeTable[ElementCount] = {"]
    for r in records:
        lines.append(isotope_line(r["z"], r["symbol"],
                                  isotope_list(r["z"], r["symbol"], bodr_isotopes, reference_lists)))
    lines += ["};", "", "const ElectronConfigRecord ElectronConfigTable[ElementCount] = {"]
    lines += [configuration_line(r) for r in records]
    lines += ["};", ""]
    return "\n".join(lines)


def installed_bodr_version():
    try:
        result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "bodr"],
                                capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError):
        return None
    return result.stdout.strip() or None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bodr", type=Path, default=Path("/usr/share/bodr"))
    parser.add_argument("--bodr-version", help="version named in the header (default: from dpkg)")
    parser.add_argument("--output", type=Path, default=HERE / "element_tables.cpp")
    args = parser.parse_args()
    version = args.bodr_version or installed_bodr_version()
    if not version:
        sys.exit("bodr is not installed as a Debian package: apt-get install bodr, or pass --bodr-version")
    try:
        text = generate(args.bodr, version)
    except (DataError, OSError, ET.ParseError) as error:
        sys.exit(f"generate_element_tables: {error}")
    args.output.write_text(text, encoding="ascii", newline="\n")


if __name__ == "__main__":
    main()
