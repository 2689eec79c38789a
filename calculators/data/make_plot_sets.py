#!/usr/bin/env python3
"""Writes the curve-fit window's data sets, dats/datfiles/atomdata/noplot.dat (Norwegian) and
enplot.dat (English): the same numbers in both, texts in each language, Windows-1252, LF line ends.

Every set is made here from the formula given with it; the constants and their sources are named
in dats/datfiles/atomdata/README.md. Noise is drawn from Python's random.Random(seed).gauss with
the seed and standard deviation given per set, so the files are the same at every run.
"""
import math
import pathlib
import random

ROOT = pathlib.Path(__file__).resolve().parents[2]
ATOMDATA = ROOT / "dats" / "datfiles" / "atomdata"

R = 8.314462618        # J/(mol K), CODATA 2018
F = 96485.33212        # C/mol, CODATA 2018


def noisy(values, seed, sigma, relative=False):
    rng = random.Random(seed)
    return [v * (1 + rng.gauss(0, sigma)) if relative else v + rng.gauss(0, sigma) for v in values]


def number(value, decimals):
    text = f"{value:.{decimals}f}"
    return "0" if float(text) == 0 else text


def calibration():
    c = [0, 1, 2, 4, 6, 8, 10]
    a = noisy([0.004 + 0.199 * x for x in c], seed=1601, sigma=0.003)
    return c, [number(v, 3) for v in a]


def first_order_decay():
    t = list(range(0, 121, 10))
    c = noisy([0.100 * math.exp(-math.log(2) * x / 30) for x in t], seed=1602, sigma=0.015, relative=True)
    return t, [number(v, 4) for v in c]


# Molar masses from the IUPAC abridged standard atomic weights: H 1.008, He 4.0026, C 12.011,
# N 14.007, O 15.999, Ne 20.180, Ar 39.95, Kr 83.798, Xe 131.29.
GASES = [("H2", 2.016), ("He", 4.0026), ("CH4", 16.043), ("Ne", 20.180), ("N2", 28.014), ("O2", 31.998),
         ("Ar", 39.95), ("CO2", 44.009), ("Kr", 83.798), ("Xe", 131.29)]


def graham():
    m = [mass for _, mass in GASES]
    rate = noisy([math.sqrt(2.016 / x) for x in m], seed=1603, sigma=0.01, relative=True)
    return m, [number(v, 3) for v in rate]


def nernst():
    c = [0.0001, 0.0002, 0.0005, 0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1]
    slope = R * 298.15 / (2 * F)
    e = noisy([0.3419 + slope * math.log(x) for x in c], seed=1604, sigma=0.0005)
    return c, [number(v, 4) for v in e]


def langmuir():
    c = [0.25, 0.5, 1, 2, 3, 5, 8, 12, 16, 20]
    q = noisy([2.5 * 0.8 * x / (1 + 0.8 * x) for x in c], seed=1605, sigma=0.015, relative=True)
    return c, [number(v, 3) for v in q]


def curved_calibration():
    c = [0, 0.5, 1, 2, 3, 4, 5, 6]
    a = noisy([0.002 + 0.185 * x - 0.0062 * x * x for x in c], seed=1606, sigma=0.002)
    return c, [number(v, 3) for v in a]


def titration():
    """25.00 mL 0.1000 M acetic acid titrated with 0.1000 M NaOH at 25 C: the pH from the charge
    balance [H+] + [Na+] = [OH-] + [A-], solved by bisection in log [H+]."""
    ka, kw = 10 ** -4.756, 1.0e-14
    volumes = [0, 1, 2.5, 5, 7.5, 10, 12.5, 15, 17.5, 20, 22.5, 24, 24.5, 24.9, 25, 25.1, 25.5, 26, 27.5, 30,
               35, 40, 50]
    ph = []
    for v in volumes:
        total = 25.00 + v
        acid = 0.1000 * 25.00 / total
        sodium = 0.1000 * v / total
        low, high = 0.0, 14.0
        for _ in range(200):
            mid = (low + high) / 2
            h = 10 ** -mid
            excess = h + sodium - kw / h - acid * ka / (ka + h)
            low, high = (mid, high) if excess > 0 else (low, mid)
        ph.append(number((low + high) / 2, 2))
    return volumes, ph


def arrhenius():
    temperatures = [290, 300, 310, 320, 330, 340, 350]
    x = [1000 / t for t in temperatures]
    ea_over_r = 55000 / R
    y = noisy([22.0 - ea_over_r * v / 1000 for v in x], seed=1608, sigma=0.06)
    return [number(v, 4) for v in x], [number(v, 3) for v in y]


def boyle():
    p = [0.5, 0.75, 1, 1.5, 2, 2.5, 3, 4, 5]
    rt = R * 273.15 / 100  # L bar / mol
    v = noisy([rt / x for x in p], seed=1609, sigma=0.005, relative=True)
    return p, [number(x, 2) for x in v]


# name, title, X-axis text, Y-axis text (Norwegian, then English); typed ranges or None; option
# flags (hide points, grid, frame); model code; the data.
SETS = [
    (("Kalibreringskurve", "Kalibreringskurve, Beers lov", "Konsentrasjon av jern (mg/L)", "Absorbans, 510 nm"),
     ("Calibration curve", "Calibration curve, Beer's law", "Concentration of iron (mg/L)", "Absorbance, 510 nm"),
     ("0", "11", "0", "2.2"), "01100", 4, calibration),
    (("Førsteordens reaksjon", "Førsteordens reaksjon, t½ = 30 min", "Tid (min)", "[A] (mol/L)"),
     ("First-order decay", "First-order reaction, t½ = 30 min", "Time (min)", "[A] (mol/L)"),
     None, "01100", 5, first_order_decay),
    (("Potenslov, Graham", "Grahams lov for effusjon", "Molar masse (g/mol)", "Relativ hastighet, H2 = 1"),
     ("Power law, Graham", "Graham's law of effusion", "Molar mass (g/mol)", "Relative rate, H2 = 1"),
     None, "01100", 6, graham),
    (("Logaritme, Nernst", "Nernsts likning, Cu2+/Cu", "[Cu2+] (mol/L)", "E (V)"),
     ("Logarithm, Nernst", "Nernst equation, Cu2+/Cu", "[Cu2+] (mol/L)", "E (V)"),
     None, "01100", 7, nernst),
    (("Langmuir-isoterm", "Langmuir-isoterm", "Likevektskonsentrasjon (mmol/L)", "Adsorbert (mmol/g)"),
     ("Langmuir isotherm", "Langmuir isotherm", "Equilibrium concentration (mmol/L)", "Adsorbed (mmol/g)"),
     None, "00100", 9, langmuir),
    (("Krum kalibrering", "Krum kalibreringskurve (AAS)", "Konsentrasjon (mg/L)", "Absorbans"),
     ("Curved calibration", "Curved calibration (AAS)", "Concentration (mg/L)", "Absorbance"),
     None, "01100", 10, curved_calibration),
    (("Titrerkurve", "Eddiksyre titrert med NaOH", "Tilsatt 0,1 M NaOH (mL)", "pH"),
     ("Titration curve", "Acetic acid titrated with NaOH", "Added 0.1 M NaOH (mL)", "pH"),
     ("0", "50", "0", "14"), "01100", 2, titration),
    (("Målte data, Arrhenius", "Arrhenius-plott, målte data", "1000/T (1/K)", "ln k"),
     ("Measured data, Arrhenius", "Arrhenius plot, measured data", "1000/T (1/K)", "ln k"),
     None, "01100", 4, arrhenius),
    (("Omvendt, Boyle", "Boyles lov, 1 mol gass ved 0 °C", "Trykk (bar)", "Volum (L)"),
     ("Reciprocal, Boyle", "Boyle's law, 1 mol gas at 0 °C", "Pressure (bar)", "Volume (L)"),
     None, "00100", 8, boyle),
]

BEL = "\x07"


def record(texts, ranges, flags, code, data):
    name, title, x_text, y_text = texts
    xs, ys = data()
    lines = [name, "", title, x_text, y_text]
    lines += list(ranges) if ranges else ["", "", "", ""]
    lines += [flags, "", str(code), BEL.join(f"{x} {y}" for x, y in zip(xs, ys))]
    lines += [""] * 6
    return lines


def write(path, language):
    lines = ["\\"]
    for norwegian, english, ranges, flags, code, data in SETS:
        lines += record(norwegian if language == "no" else english, ranges, flags, code, data)
        lines.append("\\")
    path.write_bytes(("\n".join(lines) + "\n").encode("cp1252"))


if __name__ == "__main__":
    write(ATOMDATA / "noplot.dat", "no")
    write(ATOMDATA / "enplot.dat", "en")
