#!/usr/bin/env python3
"""Generate the added rows of data/substances.csv from evaluated open data sets.

The data sets are those collected, with their publications, in the CalebBell/chemicals repository
(MIT licence). The generator reads them from a local git copy of that repository at a pinned commit, so
it needs no network:

    scripts/generate-added-substances.py --chemicals-git /path/to/chemicals/.git

It rewrites, in the working tree:
    data/substances.csv                 every row it does not generate is kept as it is, in order; the
                                        generated rows follow at the end
    data/reference/cas-added.csv        name;cas of each generated row
    data/substance-notes-added.csv      where the sets disagree beyond the cross-check tolerances
    data/substances-added.md            per row, the set and the entry each value comes from
and prints, per row, the comparison of each applied value with the other sets.
"""

import argparse
import csv
import math
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from substance_rows_added import GASES, LIQUIDS  # noqa: E402

CHEMICALS_COMMIT = "82faef900dcf2b48537c31bcf1ab56c35bb79a1e"
ROOT = Path(__file__).resolve().parent.parent

# IUPAC conventional atomic weights, the same digits as the table's own check.
ATOMIC = {"H": 1.008, "C": 12.011, "N": 14.007, "O": 15.999, "F": 18.998, "S": 32.06, "Cl": 35.45,
          "Br": 79.904}
HALOGENS = ("F", "Cl", "Br")
# CODATA Key Values for Thermodynamics (Cox, Wagman, Medvedev, 1989), J/mol, 298,15 K.
PRODUCT_HF = {"CO2": -393510.0, "H2O": -241826.0, "SO2": -296810.0, "HCl": -92310.0, "HBr": -36290.0,
              "HF": -273300.0}
KELVIN = 273.15
LN10 = math.log(10.0)
GOST_GAS_LIMIT = 25.0  # °C: a substance boiling below it has a vapour pressure above 101,3 kPa at 25 °C

# Tolerances of the table's cross-check against a second set.
TOL_PSAT = 0.05
TOL_T = 3.0
TOL_Q = 0.03
TOL_LFL = 0.30
TOL_RHO = 0.015  # the CRC figure may be at 15 or 25 °C: about 0,1 % per kelvin

SET_NAMES = {
    "crc_tb": "CRC Handbook of Chemistry and Physics, 95th ed., Physical Constants of Organic Compounds, tкип",
    "yaws_tb": "Yaws C.L., Thermophysical Properties of Chemicals and Hydrocarbons (2014), tкип",
    "iec": "IEC 60079-20-1:2010 (IS), табл. B.1",
    "nfpa": "NFPA 497 (2008), табл. 4.4.2",
    "serat": "DIPPR 801 (Serat и др., 2017)",
    "poling": "Poling B.E., Prausnitz J.M., O'Connell J.P. The Properties of Gases and Liquids, 5th ed. "
              "(2000), App. A, константы Антуана",
    "landolt": "Landolt-Börnstein IV/20 (Hall K.R., Dykyj J. и др., 1999-2000), константы Антуана",
    "perry_psat": "Perry's Chemical Engineers' Handbook, 8th ed., табл. 2-8 (DIPPR 101)",
    "wagner_mcgarry": "McGarry J., Ind. Eng. Chem. Process Des. Dev. 22 (1983) 313, уравнение Вагнера",
    "wagner_poling": "Poling и др., 5th ed., App. A, уравнение Вагнера",
    "vdi_psat": "VDI Heat Atlas, 2nd ed. (2010), PPDS, давление пара",
    "crc_hf": "CRC Handbook of Chemistry and Physics, 95th ed., Standard Thermodynamic Properties of "
              "Chemical Substances, ΔfH°",
    "atct_g": "Active Thermochemical Tables 1.112, ΔfH°(г)",
    "atct_l": "Active Thermochemical Tables 1.112, ΔfH°(ж)",
    "webbook": "NIST Chemistry WebBook (SRD 69), ΔfH°",
    "yaws_hf": "Yaws C.L., ΔfH°(г)",
    "api_hf": "API Technical Data Book (Albahri), ΔfH°(г)",
    "webbook_psat": "NIST Chemistry WebBook (SRD 69), константы Антуана",
    "perry_rho": "Perry's Chemical Engineers' Handbook, 8th ed., табл. 2-32 (DIPPR 105)",
    "vdi_rho": "VDI Heat Atlas, 2nd ed. (2010), PPDS, плотность насыщенной жидкости",
    "crc_rho": "CRC Handbook of Chemistry and Physics, 95th ed., Physical Constants of Organic Compounds, "
               "плотность",
}


SHORT = {"iec": "IEC 60079-20-1", "nfpa": "NFPA 497", "serat": "DIPPR", "crc_tb": "CRC", "yaws_tb": "Yaws",
         "crc_hf": "CRC", "atct_g": "ATcT", "webbook": "NIST", "yaws_hf": "Yaws", "api_hf": "API TDB",
         "poling": "Poling (Антуан)", "landolt": "Landolt-Börnstein", "perry_psat": "Perry (DIPPR 101)",
         "vdi_psat": "VDI (PPDS)", "wagner_mcgarry": "McGarry (Вагнер)", "wagner_poling": "Poling (Вагнер)",
         "webbook_psat": "NIST (Антуан)", "perry_rho": "Perry (DIPPR 105)", "vdi_rho": "VDI (PPDS)"}


def ru(value, digits=1):
    return fmt(value, digits).replace("-", "−")


class Sets:
    """Every data set, keyed by CAS number with dashes."""

    def __init__(self, git_dir):
        self.git_dir = git_dir

    def table(self, path, cas_column="CAS"):
        text = subprocess.run(["git", "--git-dir", self.git_dir, "show", f"{CHEMICALS_COMMIT}:chemicals/{path}"],
                              check=True, capture_output=True).stdout.decode("utf-8")
        lines = text.splitlines()
        header = lines[0].split("\t")
        rows = {}
        for line in lines[1:]:
            cells = line.split("\t")
            record = dict(zip(header, cells))
            cas = record[cas_column].strip()
            if "-" not in cas and cas.isdigit():
                cas = f"{cas[:-3]}-{cas[-3:-1]}-{cas[-1]}"
            rows.setdefault(cas, record)
        return rows

    def load(self):
        t = self.table
        self.crc_tb = t("Misc/Physical Constants of Organic Compounds.csv")
        self.yaws_tb = t("Phase Change/Yaws Boiling Points.tsv")
        self.iec = t("Safety/IS IEC 60079-20-1 2010.tsv")
        self.nfpa = t("Safety/NFPA 497 2008.tsv")
        self.serat = t("Safety/DIPPR T_flash Serat.csv")
        self.poling = t("Vapor Pressure/Antoine Collection Poling.tsv")
        self.landolt = t("Vapor Pressure/Landolt_antoine_V20.tsv")
        self.perry_psat = t("Vapor Pressure/Table 2-8 Vapor Pressure of Inorganic and Organic Liquids.tsv")
        self.wagner_mcgarry = t("Vapor Pressure/Wagner Original McGarry.tsv")
        self.wagner_poling = t("Vapor Pressure/Wagner Collection Poling.tsv")
        self.vdi_psat = t("Vapor Pressure/VDI PPDS Boiling temperatures at different pressures.tsv")
        self.crc_hf = t("Heat Capacity/CRC Standard Thermodynamic Properties of Chemical Substances.tsv")
        self.atct_g = t("Reactions/ATcT 1.112 (g).tsv")
        self.atct_l = t("Reactions/ATcT 1.112 (l).tsv")
        self.webbook = t("Misc/webbook_constants.tsv")
        self.webbook_psat = self.webbook
        self.yaws_hf = t("Reactions/Yaws Hf S0 (g).tsv")
        self.api_hf = t("Reactions/API TDB Albahri Hf (g).tsv")
        self.perry_rho = t("Density/Perry Parameters 105.tsv")
        self.vdi_rho = t("Density/VDI PPDS Density of Saturated Liquids.tsv")
        return self


def num(record, key):
    if record is None:
        return None
    text = record.get(key, "").strip()
    if not text:
        return None
    try:
        return float(text)
    except ValueError:
        return None


def atoms(formula):
    counts, i = {}, 0
    while i < len(formula):
        j = i + 1
        if j < len(formula) and formula[j].islower():
            j += 1
        element = formula[i:j]
        k = j
        while k < len(formula) and formula[k].isdigit():
            k += 1
        counts[element] = counts.get(element, 0) + (int(formula[j:k]) if k > j else 1)
        i = k
    return counts


def molar_mass(formula):
    return sum(ATOMIC[e] * n for e, n in atoms(formula).items())


def combustion_enthalpy(formula, hf):
    """Net heat of combustion, J/mol released: CO2(g), H2O(g), SO2(g), N2, and HX(g) for the halogens."""
    a = atoms(formula)
    hydrogen = a.get("H", 0)
    products = a.get("C", 0) * PRODUCT_HF["CO2"] + a.get("S", 0) * PRODUCT_HF["SO2"]
    for halogen, acid in (("F", "HF"), ("Cl", "HCl"), ("Br", "HBr")):
        products += a.get(halogen, 0) * PRODUCT_HF[acid]
        hydrogen -= a.get(halogen, 0)
    if hydrogen < 0:
        return None
    products += hydrogen / 2 * PRODUCT_HF["H2O"]
    return hf - products


# Vapour pressure correlations, Pa at T in K; each returns None outside its range.
def p_antoine_log10(rec, T):
    A, B, C, lo, hi = (num(rec, k) for k in ("A", "B", "C", "Tmin", "Tmax"))
    return 10 ** (A - B / (T + C)) if lo <= T <= hi else None


def p_antoine_ln(rec, T):
    A, B, C, lo, hi = (num(rec, k) for k in ("A", "B", "C", "Tmin", "Tmax"))
    return math.exp(A - B / (T + C)) if lo <= T <= hi else None


def p_dippr101(rec, T):
    C1, C2, C3, C4, C5, lo, hi = (num(rec, k) for k in ("C1", "C2", "C3", "C4", "C5", "Tmin", "Tmax"))
    return math.exp(C1 + C2 / T + C3 * math.log(T) + C4 * T ** C5) if lo <= T <= hi else None


def p_wagner(rec, T, exponents, lo_key, hi_key):
    A, B, C, D, Tc, Pc = (num(rec, k) for k in ("A", "B", "C", "D", "Tc", "Pc"))
    lo = num(rec, lo_key)
    hi = num(rec, hi_key) if hi_key else Tc
    if not (lo <= T <= min(hi, Tc)):
        return None
    tau = 1 - T / Tc
    e1, e2 = exponents
    return Pc * math.exp((A * tau + B * tau ** 1.5 + C * tau ** e1 + D * tau ** e2) * Tc / T)


PSAT_SETS = {
    "poling": p_antoine_log10,
    "landolt": p_antoine_ln,
    "perry_psat": p_dippr101,
    "wagner_mcgarry": lambda r, T: p_wagner(r, T, (3, 6), "Tmin", None),
    "wagner_poling": lambda r, T: p_wagner(r, T, (2.5, 5), "Tmin", "Tmax"),
    "vdi_psat": lambda r, T: p_wagner(r, T, (2.5, 5), "Tm", None),
    "webbook_psat": lambda r, T: p_antoine_ln({"A": r["AntoineA"], "B": r["AntoineB"], "C": r["AntoineC"],
                                               "Tmin": r["AntoineTmin"], "Tmax": r["AntoineTmax"]}, T)
    if r.get("AntoineA", "").strip() else None,
}
# The sets the table's cross-check compares with.
REFERENCE_PSAT = ("poling", "landolt", "perry_psat", "wagner_mcgarry", "wagner_poling", "vdi_psat", "webbook_psat")


def fit_antoine_points(points):
    """Least squares of y = A − B/(t + C) over (t, y): linear in A and B for each C, C by golden section."""
    def solve(C):
        xs = [-1.0 / (t + C) for t, _ in points]
        ys = [y for _, y in points]
        n, sx, sy = len(xs), sum(xs), sum(ys)
        sxx = sum(x * x for x in xs)
        sxy = sum(x * y for x, y in zip(xs, ys))
        B = (n * sxy - sx * sy) / (n * sxx - sx * sx)
        A = (sy - B * sx) / n
        residual = sum((A + B * x - y) ** 2 for x, y in zip(xs, ys))
        return residual, A, B
    lo_c, hi_c = 100.0 - min(t for t, _ in points) if min(t for t, _ in points) < 0 else 100.0, 350.0
    g = (math.sqrt(5) - 1) / 2
    a, b = lo_c, hi_c
    for _ in range(200):
        c1, c2 = b - g * (b - a), a + g * (b - a)
        if solve(c1)[0] < solve(c2)[0]:
            b = c2
        else:
            a = c1
    C = (a + b) / 2
    _, A, B = solve(C)
    return A, B, C


def antoine_kpa(key, rec):
    """The set's constants as lg P[кПа] = A − B/(t[°C] + Ca): an exact change of units."""
    A, B, C = num(rec, "A"), num(rec, "B"), num(rec, "C")
    if key == "landolt":
        A, B = A / LN10, B / LN10
    return A - 3.0, B, C + KELVIN


def fmt(value, digits):
    text = f"{value:.{digits}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text.replace(".", ",").replace("-0", "-0") if text != "-0" else "0"


class Row:
    def __init__(self, name, synonyms, formula, cas, sets):
        self.name, self.synonyms, self.formula, self.cas = name, synonyms, formula, cas
        self.s = sets
        self.values = {}     # column -> text
        self.sources = []    # "column: set" parts of the Источник column
        self.record = []     # lines for the markdown record
        self.notes = []      # (column, text)
        self.checks = []     # printed comparison lines
        self.problems = []   # reasons the row cannot be shipped

    def note(self, column, text):
        self.notes.append((column, text + " (в запас)" if "меньш" in text or "больш" in text else text))

    def get(self, key):
        return getattr(self.s, key).get(self.cas)

    def build(self):
        a = atoms(self.formula)
        self.M = molar_mass(self.formula)
        self.values.update(M=fmt(self.M, 3), nC=str(a.get("C", 0)), nH=str(a.get("H", 0)),
                           nO=str(a.get("O", 0)), nX=str(sum(a.get(h, 0) for h in HALOGENS)))
        self.boiling()
        self.gas = self.tb is not None and self.tb < GOST_GAS_LIMIT
        if self.tb is not None and not self.gas and "tкип" not in self.values:
            self.problems.append("tкип жидкости только из одного набора")
        if not self.gas:
            self.flash()
            self.antoine()
            self.density()
        self.lfl()
        self.heat()
        if self.gas:
            self.kind = "ГГ"
            if "НКПР" not in self.values and "Qсг" not in self.values:
                self.problems.append("у газа нет ни НКПР, ни Qсг из двух наборов")
        elif "tвсп" in self.values:
            self.kind = "ЛВЖ" if self.fp <= 61.0 else "ГЖ"
        else:
            self.kind = None
            self.problems.append("tвсп не дают два набора: вид не определить")
        return self

    def single(self, column, key, value, unit):
        """A value that only one set gives cannot be checked against another: it is not applied."""
        self.record.append(f"{column}: only {SET_NAMES[key]} gives it ({value} {unit}); no second set to check "
                           "it against, left empty")

    # --- boiling point
    def boiling(self):
        found = [(k, num(self.get(k), "Tb")) for k in ("crc_tb", "yaws_tb", "webbook")]
        found = [(k, v - KELVIN) for k, v in found if v is not None]
        self.tb = found[0][1] if found else None
        if len(found) < 2:
            if found:
                self.single("tкип", found[0][0], fmt(found[0][1], 1), "°C")
            else:
                self.problems.append("нет tкип")
            return
        key, t = found[0]
        median = statistics.median(v for _, v in found[1:])
        self.checks.append("tкип " + " ".join(f"{k}={v:.2f}" for k, v in found))
        if abs(median - t) > TOL_T:
            # The boiling point enters no calculation; the value the sets agree on is applied, so that it
            # also agrees with their vapour pressures.
            middle = statistics.median_low(v for _, v in found)
            listed = ", ".join(f"{SHORT[k]} {ru(v)} °C" for k, v in found)
            key, t = next((k, v) for k, v in found if v == middle)
            self.note("tкип", f"tкип: по {listed} — принята {ru(t)} °C (медиана)")
        self.tb = t
        self.values["tкип"] = fmt(t, 1)
        self.sources.append(f"tкип: {SET_NAMES[key]}")
        self.record.append(f"tкип {fmt(t, 1)} °C: {SET_NAMES[key]}; others: "
                           + ", ".join(f"{SHORT[k]} {ru(v)}" for k, v in found if k != key))

    # --- flash point (closed cup)
    def flash(self):
        found = [(k, num(self.get(k), "T_flash")) for k in ("iec", "nfpa", "serat")]
        found = [(k, v - KELVIN) for k, v in found if v is not None]
        if len(found) < 2:
            if found:
                self.single("tвсп", found[0][0], fmt(found[0][1], 1), "°C")
            return
        key, value = found[0]
        applied, applied_key = value, key
        for k, v in found[1:]:
            if abs(v - value) > TOL_T and v < applied:
                applied, applied_key = v, k
        if applied_key != key:
            listed = ", ".join(f"{SHORT[k]} {ru(v)} °C" for k, v in found)
            self.note("tвсп", f"tвсп: по {listed} — принята меньшая, {ru(applied)} °C")
        self.checks.append("tвсп " + " ".join(f"{k}={v:.1f}" for k, v in found) + f" -> {applied:.1f}")
        self.fp = applied
        self.values["tвсп"] = fmt(applied, 1)
        self.sources.append(f"tвсп (закрытый тигель): {SET_NAMES[applied_key]}")
        self.record.append(f"tвсп {fmt(applied, 1)} °C: {SET_NAMES[applied_key]}; others: "
                           + ", ".join(f"{SHORT[k]} {ru(v)}" for k, v in found if k != applied_key))

    # --- lower flammability limit
    def lfl(self):
        found = [(k, num(self.get(k), "LFL")) for k in ("iec", "nfpa")]
        found = [(k, v * 100) for k, v in found if v is not None]
        if len(found) < 2:
            if found:
                self.single("НКПР", found[0][0], fmt(found[0][1], 2), "%")
            return
        key, value = found[0]
        applied, applied_key = value, key
        for k, v in found[1:]:
            if abs(v - value) > TOL_LFL * min(v, value) and v < applied:
                applied, applied_key = v, k
        median = statistics.median(v for _, v in found)
        if applied_key != key or abs(applied / median - 1) > TOL_LFL:
            listed = ", ".join(f"{SHORT[k]} {ru(v, 2)} %" for k, v in found)
            self.note("НКПР", f"НКПР: по {listed} — принят меньший, {ru(applied, 2)} %")
        self.checks.append("НКПР " + " ".join(f"{k}={v:.2f}" for k, v in found))
        self.values["НКПР"] = fmt(applied, 2)
        self.sources.append(f"НКПР: {SET_NAMES[applied_key]}")
        self.record.append(f"НКПР {fmt(applied, 2)} % об.: {SET_NAMES[applied_key]}; others: "
                           + ", ".join(f"{SHORT[k]} {ru(v, 2)}" for k, v in found if k != applied_key))

    # --- net heat of combustion
    def heat(self):
        """Of the vapour or gas, as it burns in the room's air: from ΔfH°(g)."""
        found = [(k, num(self.get(k), "Hfg")) for k in ("crc_hf", "atct_g", "webbook", "yaws_hf", "api_hf")]
        found = [(k, v) for k, v in found if v is not None]
        q = [(k, v, combustion_enthalpy(self.formula, v)) for k, v in found]
        q = [(k, v, c / self.M) for k, v, c in q if c is not None]
        if len(q) < 2:
            if q:
                self.single("Qсг", q[0][0], fmt(q[0][2], 0), "кДж/кг")
            return
        key, hf, value = q[0]
        self.checks.append("Qсг " + " ".join(f"{k}={v:.0f}" for k, _, v in q))
        others = [v for k, _, v in q[1:]]
        if others and abs(statistics.median(others) - value) > TOL_Q * value:
            self.note("Qсг", "Qсг: " + ", ".join(f"{SHORT[k]} {v:.0f}" for k, _, v in q)
                      + f" кДж/кг — принята по {SHORT[key]}")
        a = atoms(self.formula)
        products = "CO2(г), H2O(г)" + (", SO2(г)" if "S" in a else "") \
            + (", HX(г)" if any(h in a for h in HALOGENS) else "") + (", N2" if "N" in a else "")
        self.values["Qсг"] = fmt(value, 0)
        self.sources.append(f"Qсг (низшая, пара или газа: ΔfH°(г) — {SET_NAMES[key]}, продукты {products} — "
                            "CODATA Key Values, 1989)")
        self.record.append(f"Qсг {fmt(value, 0)} кДж/кг: ΔfH°(g) = {ru(hf / 1000, 2)} кДж/моль, "
                           f"{SET_NAMES[key]}; others: "
                           + (", ".join(f"{SHORT[k]} {v:.0f}" for k, _, v in q[1:]) or "none"))

    # --- Antoine constants
    def antoine(self):
        """A published Antoine set, or constants fitted to a wide-range correlation (VDI PPDS, Perry's
        DIPPR 101, McGarry's Wagner equation), whichever agrees with the other sets at 20 °C, 25 °C and
        across its range; among those, one that covers 20…40 °C, a published set before a fit. Where
        none agrees, the one giving the highest pressure at 25 °C."""
        options = []
        for key in ("poling", "landolt"):
            rec = self.get(key)
            if rec:
                A, B, C = antoine_kpa(key, rec)
                lo, hi = num(rec, "Tmin") - KELVIN, num(rec, "Tmax") - KELVIN
                options.append((key, None, A, B, C, math.ceil(lo - 1e-9), math.floor(hi + 1e-9)))
        for key in ("vdi_psat", "perry_psat", "wagner_mcgarry"):
            fitted = self.fit_antoine(key)
            if fitted:
                options.append((key,) + fitted)
        if not options:
            self.problems.append("нет констант Антуана")
            return
        rated = []
        for option in options:
            key, fit_error, A, B, C, lo, hi = option
            deviation = self.psat_deviation(key, A, B, C, lo, hi)
            agrees = deviation is None or abs(deviation[0]) <= TOL_PSAT
            if self.tb is not None and lo <= self.tb <= hi:
                agrees = agrees and abs(10 ** (A - B / (self.tb + C)) / 101.325 - 1) <= 0.03
            p25 = 10 ** (A - B / (25 + C))
            rated.append(((agrees, agrees and lo <= 20 and hi >= 40, agrees and fit_error is None, p25),
                          option, deviation))
        rated.sort(key=lambda r: r[0], reverse=True)
        _, (key, fit_error, A, B, C, lo, hi), deviation = rated[0]
        A, B, C = round(A, 5), round(B, 3), round(C, 3)
        self.values.update(A=fmt(A, 5), B=fmt(B, 3), Ca=fmt(C, 3), tмин=str(lo), tмакс=str(hi))
        if fit_error is None:
            self.sources.append(f"A, B, Ca, tмин, tмакс: {SET_NAMES[key]} (переведены из Па и К)")
            origin = f"{SET_NAMES[key]}, exact change of units"
        else:
            self.sources.append(f"A, B, Ca: подобраны по {SET_NAMES[key]} для {ru(lo, 0)}…{ru(hi, 0)} °C "
                                f"(наибольшее отклонение {ru(fit_error * 100, 2)} %)")
            origin = f"least-squares fit of lg P to {SET_NAMES[key]} over {lo}…{hi} °C, worst fit deviation " \
                     f"{fit_error * 100:.2f} %"
        self.record.append(f"Antoine {fmt(A, 5)} / {fmt(B, 3)} / {fmt(C, 3)}, {lo}…{hi} °C: {origin}; worst "
                           "deviation from the median of the reference sets: "
                           + (f"{deviation[0] * 100:+.1f} % at {deviation[1]} °C" if deviation else "no other set"))
        if deviation and abs(deviation[0]) > TOL_PSAT:
            d, t, mine, median = deviation
            how = "подобранные по " + SHORT[key] + f" для {ru(lo, 0)}…{ru(hi, 0)} °C" if fit_error is not None else SHORT[key]
            if d < 0:
                self.problems.append(f"константы Антуана ниже медианы на {-d * 100:.1f} % при {t} °C")
            self.note("A", f"A, B, Ca: по {how} Pн при {t} °C {ru(mine, 3)} кПа, по независимым данным "
                           f"(медиана) {ru(median, 3)} кПа ({d * 100:+.0f} %) — приняты константы, дающие "
                           "большее давление")
        elif fit_error is not None:
            self.notes.append(("A", f"A, B, Ca: подобраны по {SHORT[key]} для {ru(lo, 0)}…{ru(hi, 0)} °C, наибольшее "
                                    f"отклонение {ru(fit_error * 100, 2)} %"))

    def fit_antoine(self, key):
        """lg P[кПа] = A − B/(t + Ca) fitted by least squares to the set over every 1 °C from −20 °C (or
        0 °C, or 20 °C) to the boiling point (or to 100 °C): the widest range that fits within 1 %."""
        rec = self.get(key)
        if not rec or self.tb is None:
            return None
        top = math.floor(self.tb)
        for lo, hi in ((-20, top), (0, top), (20, top), (0, min(top, 100)), (20, min(top, 100))):
            points = [(t, PSAT_SETS[key](rec, t + KELVIN)) for t in range(lo, hi + 1)]
            if any(p is None for _, p in points) or len(points) < 10:
                continue
            A, B, C = fit_antoine_points([(t, math.log10(p / 1000)) for t, p in points])
            A, B, C = round(A, 5), round(B, 3), round(C, 3)
            worst = max(abs(10 ** (A - B / (t + C)) * 1000 / p - 1) for t, p in points)
            if worst <= 0.01:
                return worst, A, B, C, lo, hi
        return None

    def psat_deviation(self, origin, A, B, C, lo, hi):
        """The cross-check's rule: at 20 °C, 25 °C and every 5 °C of the range between 10 and 100 °C, the
        relative deviation from the median of the reference sets valid there (from the nearer edge of
        their spread where they spread by more than 10 %). Returns the worst (deviation, t, P, median)."""
        points = sorted({20, 25} | {t for t in range(10, 101, 5) if lo <= t <= hi})
        worst = None
        for t in points:
            mine = 10 ** (A - B / (t + C))
            refs = [PSAT_SETS[k](self.get(k), t + KELVIN) for k in REFERENCE_PSAT if self.get(k)]
            refs = sorted(p / 1000 for p in refs if p is not None)
            if not refs:
                continue
            median = statistics.median(refs)
            target = median
            if refs[-1] / refs[0] - 1 > 0.10:
                target = refs[0] if mine < refs[0] else refs[-1] if mine > refs[-1] else mine
            d = mine / target - 1
            if worst is None or abs(d) > abs(worst[0]):
                worst = (d, t, mine, median)
        self.checks.append(f"Psat {origin} {lo}..{hi}: worst "
                           + ("-" if worst is None else f"{worst[0] * 100:+.2f} % at {worst[1]}"))
        return worst

    # --- liquid density at 20 °C
    def density(self):
        T = 293.15
        found = []
        perry = self.get("perry_rho")
        if perry:
            C1, C2, C3, C4, lo, hi = (num(perry, k) for k in ("C1", "C2", "C3", "C4", "Tmin", "Tmax"))
            if lo <= T <= hi:
                found.append(("perry_rho", C1 / C2 ** (1 + (1 - T / C3) ** C4) * self.M / 1000))
        vdi = self.get("vdi_rho")
        if vdi:
            Tc, rc, A, B, C, D = (num(vdi, k) for k in ("Tc", "rhoc", "A", "B", "C", "D"))
            tau = 1 - T / Tc
            found.append(("vdi_rho", rc + A * tau ** 0.35 + B * tau ** (2 / 3) + C * tau + D * tau ** (4 / 3)))
        crc = num(self.get("crc_tb"), "rho")
        if not found:
            self.problems.append("нет плотности при 20 °C")
            return
        key, value = found[0]
        check = found[1][1] if len(found) > 1 else crc
        if check is None or abs(check / value - 1) > TOL_RHO:
            self.problems.append("плотность не подтверждена вторым набором")
            return
        self.checks.append("ρ20 " + " ".join(f"{k}={v:.1f}" for k, v in found)
                           + (f" crc={crc:.1f}" if crc else ""))
        self.values["Плотность"] = fmt(value, 0)
        self.sources.append(f"плотность при 20 °C: {SET_NAMES[key]}")
        self.record.append(f"ρ(20 °C) {fmt(value, 0)} кг/м³: {SET_NAMES[key]}; others: "
                           + (", ".join(f"{SHORT[k]} {v:.0f}" for k, v in found[1:]) or "none")
                           + (f", CRC {crc:.0f} (temperature as the Handbook gives)" if crc else ""))

    def csv(self):
        v = self.values
        source = "M — по атомным массам ИЮПАК / вид — по tкип и tвсп (ГОСТ 12.1.044-89, п. 1.2, и СП 12.13130.2009) / " \
                 + " / ".join(self.sources) + f" / наборы по CAS {self.cas}"
        cells = [self.name, self.synonyms, self.formula, self.kind, v["M"], v["nC"], v["nH"], v["nO"], v["nX"],
                 v.get("A", ""), v.get("B", ""), v.get("Ca", ""), v.get("tмин", ""), v.get("tмакс", ""),
                 v.get("tкип", ""), v.get("tвсп", ""), v.get("НКПР", ""), v.get("Qсг", ""),
                 v.get("Плотность", ""), "", source]
        if any(";" in cell for cell in cells):
            sys.exit(f"{self.name}: a value holds the field separator")
        return ";".join(cells)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--chemicals-git", required=True, help="git directory of CalebBell/chemicals")
    parser.add_argument("--dry-run", action="store_true", help="print the comparison, write nothing")
    args = parser.parse_args()
    sets = Sets(args.chemicals_git).load()

    identities = {r["CAS"]: r["formula"] for r in csv.DictReader((ROOT / "data/reference/identifiers.csv").open())}
    shipped = {line.split(";")[1] for line in (ROOT / "data/reference/cas.csv").read_text().splitlines()[1:]}
    rows, dropped = [], []
    for name, synonyms, formula, cas in GASES + LIQUIDS:
        if cas in shipped:
            sys.exit(f"{name}: CAS {cas} is already a row of the table")
        if cas in identities and atoms(identities[cas]) != atoms(formula):
            sys.exit(f"{name}: formula {formula}, PubChem gives {identities[cas]} for CAS {cas}")
        row = Row(name, synonyms, formula, cas, sets).build()
        print(f"{name} ({cas}) {row.kind}: " + "; ".join(row.checks))
        for column, note in row.notes:
            print(f"    NOTE {column}: {note}")
        if row.problems:
            print(f"    DROPPED: {', '.join(row.problems)}")
            dropped.append((name, cas, row.problems))
        else:
            rows.append(row)
    gases = sum(1 for r in rows if r.kind == "ГГ")
    print(f"\n{len(rows)} rows: {gases} gases, {len(rows) - gases} liquids; dropped {len(dropped)}")
    if args.dry_run:
        return
    write_outputs(rows, dropped)


def write_outputs(rows, dropped):
    table = ROOT / "data/substances.csv"
    names = {name for name, *_ in GASES + LIQUIDS}
    kept = [line for line in table.read_text(encoding="utf-8").splitlines() if line.split(";")[0] not in names]
    table.write_text("\n".join(kept + [r.csv() for r in rows]) + "\n", encoding="utf-8")

    (ROOT / "data/reference").mkdir(exist_ok=True)
    (ROOT / "data/reference/cas-added.csv").write_text(
        "name;cas\n" + "".join(f"{r.name};{r.cas}\n" for r in rows), encoding="utf-8")
    (ROOT / "data/substance-notes-added.csv").write_text(
        "Наименование;Столбец;Примечание\n" + "".join(f"{r.name};{c};{n}\n" for r in rows for c, n in r.notes), encoding="utf-8")

    md = [RECORD_HEAD]
    for r in rows:
        md.append(f"### {r.name} ({r.kind}, {r.formula}, CAS {r.cas})\n")
        md.extend(f"- {line}" for line in r.record)
        md.extend(f"- note, {c}: {n}" for c, n in r.notes)
        md.append("")
    if dropped:
        md.append("## Candidates left out\n")
        md.extend(f"- {n} (CAS {c}): {', '.join(p)}" for n, c, p in dropped)
        md.append("")
    (ROOT / "data/substances-added.md").write_text("\n".join(md), encoding="utf-8")


RECORD_HEAD = f"""# Added substance rows: where each value comes from

Generated by `scripts/generate-added-substances.py` from the data sets of the CalebBell/chemicals
repository, commit {CHEMICALS_COMMIT} (MIT licence; each set reproduces the publication named below),
looked up by CAS number (`data/reference/cas-added.csv`). Do not edit by hand: change the generator or
its list `scripts/substance_rows_added.py` and run it again.

Rules, the same for every row. A value is applied only when a second, independent set gives it too, so
that the table's cross-check (`data/reference/`) can compare it; a value only one set gives is listed
below as such and left empty. Where the sets disagree beyond the cross-check's tolerance, the more
hazardous value is applied and `data/substance-notes-added.csv` names both.

- **M** from the formula with the IUPAC conventional atomic weights (H 1,008; C 12,011; N 14,007; O 15,999;
  F 18,998; S 32,06; Cl 35,45).
- **Вид**: ГГ when the normal boiling point is below 25 °C (ГОСТ 12.1.044-89, п. 1.2: a gas has a vapour
  pressure above 101,3 kPa at 25 °C); otherwise ЛВЖ with a closed-cup flash point up to 61 °C, ГЖ above.
  A liquid without a flash point from two sets is left out, as is a gas with neither НКПР nor Qсг.
- **tкип**: CRC Handbook (Physical Constants of Organic Compounds), checked against Yaws and the NIST
  WebBook; where CRC differs from the others by more than 3 °C, the median of the three is applied (the
  boiling point enters no calculation; the median agrees with the vapour pressure sets).
- **tвсп**, closed cup: IEC 60079-20-1:2010, else NFPA 497 (2008), else DIPPR 801 (Serat et al.), with at
  least one other of them; where another differs by more than 3 °C and is lower, the lowest is applied.
- **НКПР**: IEC 60079-20-1:2010 checked against NFPA 497; where NFPA is lower by more than 30 %, NFPA's.
- **Qсг**: net (lower) heat of combustion of the vapour or gas per kg — the mass the room calculation
  burns is vapour — from ΔfH°(g) of the compound (CRC Handbook, else ATcT 1.112, else the NIST WebBook;
  checked against the others and Yaws and API TDB) and the CODATA key values of the products CO2(g)
  −393,51, H2O(g) −241,826, SO2(g) −296,81, HCl(g) −92,31, HF(g) −273,30 kJ/mol (nitrogen to N2).
- **A, B, Ca, tмин, tмакс**: lg P[кПа] = A − B/(t[°C] + Ca). Either a published Antoine set — Poling et
  al., 5th ed. (log10, Pa, K: A − 3, Ca = C + 273,15) or Landolt-Börnstein IV/20 (ln, Pa, K: A/ln 10 − 3,
  B/ln 10, Ca = C + 273,15), with the set's own range rounded inwards to whole degrees — or constants
  fitted by least squares on lg P to one wide-range correlation (VDI Heat Atlas PPDS, Perry's table 2-8
  DIPPR 101, or McGarry's Wagner equation) over every 1 °C from −20 °C (or 0 °C, or 20 °C) to the
  boiling point (or to 100 °C), the widest of these ranges that the fit follows within 1 %; the fit's
  worst deviation is in the source column.
  Each candidate is compared, by the cross-check's rule, with the median of the reference sets (Poling
  Antoine and Wagner, Landolt-Börnstein, Perry, McGarry, VDI, NIST WebBook Antoine) at
  20 °C, 25 °C and every 5 °C of its range between 10 and 100 °C, and must give 101,325 kPa within 3 % at
  the boiling point when that lies in its range. Applied: a candidate within 5 % that covers 20…40 °C,
  a published set before a fit; where none is within 5 %, the one giving the highest pressure at 25 °C
  (a liquid whose every candidate gives less than the reference median is left out).
- **Плотность** at 20 °C: Perry's table 2-32 (DIPPR 105), else VDI Heat Atlas PPDS; checked against the
  other, or against the CRC Handbook figure within 1,5 % (the extract does not carry its temperature,
  15–25 °C); a liquid without a checked density is left out.
- **Pmax**: no open evaluated set gives it; left empty.

## Rows
"""

if __name__ == "__main__":
    main()
