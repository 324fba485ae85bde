#!/usr/bin/env python3
"""Antoine constants for kPa and °C fitted to the VDI Heat Atlas (PPDS) vapour pressure of a compound.

    scripts/fit-antoine.py CAS t_from t_to

Least squares on log10 P over every 1 °C of [t_from, t_to] for A and B at each C, C chosen by a
golden-section search; prints A, B, C (6 significant decimals) and the worst relative deviation
from the PPDS equation over the range, which the row's note states.
"""
import csv
import math
import sys
from pathlib import Path

REFERENCE = Path(__file__).resolve().parent.parent / "data" / "reference" / "vp-vdi-ppds.csv"


def ppds(cas):
    for row in csv.DictReader(REFERENCE.open()):
        if row["CAS"] == cas:
            r = {k: float(v) for k, v in row.items() if k != "CAS"}

            def pressure(t):
                tr = (t + 273.15) / r["Tc"]
                tau = 1 - tr
                return r["Pc"] / 1000 * math.exp(
                    (r["A"] * tau + r["B"] * tau**1.5 + r["C"] * tau**2.5 + r["D"] * tau**5) / tr)
            return pressure
    sys.exit(f"{cas}: not in {REFERENCE.name}")


def fit_ab(points, c):
    xs = [-1 / (t + c) for t, _ in points]
    ys = [math.log10(p) for _, p in points]
    n = len(xs)
    mx, my = sum(xs) / n, sum(ys) / n
    b = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sum((x - mx) ** 2 for x in xs)
    return my - b * mx, b


def worst(points, a, b, c):
    return max(abs(10 ** (a - b / (t + c)) / p - 1) for t, p in points)


def residual(points, c):
    a, b = fit_ab(points, c)
    return sum((math.log10(p) - (a - b / (t + c))) ** 2 for t, p in points)


def main():
    cas, t_from, t_to = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    pressure = ppds(cas)
    points = [(t, pressure(t)) for t in range(t_from, t_to + 1)]
    lo, hi = 100.0 - t_from, 400.0
    g = (math.sqrt(5) - 1) / 2
    for _ in range(200):
        c1, c2 = hi - g * (hi - lo), lo + g * (hi - lo)
        if residual(points, c1) < residual(points, c2):
            hi = c2
        else:
            lo = c1
    c = round((lo + hi) / 2, 3)
    a, b = fit_ab(points, c)
    a, b = round(a, 5), round(b, 3)
    print(f"A {a:.5f} B {b:.3f} C {c:.3f} range {t_from}..{t_to} worst {worst(points, a, b, c) * 100:.2f} %")


if __name__ == "__main__":
    main()
