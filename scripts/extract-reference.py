#!/usr/bin/env python3
"""Extracts the independent reference data the substance table is checked against.

Reads the data tables of the MIT-licensed `chemicals` package (a git checkout of
https://github.com/CalebBell/chemicals) and writes whole tables, every compound but only the
columns the check needs, as plain CSV (comma-separated, decimal point, values exactly as the
package stores them, SI units) into data/reference/.

    scripts/extract-reference.py /path/to/chemicals [commit]

Rerun it to refresh the extraction; data/reference/README.md names each file's origin.
"""
import csv
import io
import subprocess
import sys
from pathlib import Path

# output file: (source file inside the package's chemicals/ folder, columns kept)
TABLES = {
    "identifiers.csv": ("Identifiers/chemical identifiers pubchem small.tsv", None),
    "elements.csv": ("Misc/Element data.csv", ["element symbol", "atomic mass"]),
    "vp-vdi-ppds.csv": ("Vapor Pressure/VDI PPDS Boiling temperatures at different pressures.tsv",
                        ["CAS", "Tm", "Tc", "Pc", "A", "B", "C", "D"]),
    "vp-wagner-mcgarry.csv": ("Vapor Pressure/Wagner Original McGarry.tsv",
                              ["CAS", "A", "B", "C", "D", "Pc", "Tc", "Tmin"]),
    "vp-wagner-poling.csv": ("Vapor Pressure/Wagner Collection Poling.tsv",
                             ["CAS", "A", "B", "C", "D", "Tc", "Pc", "Tmin", "Tmax"]),
    "vp-antoine-poling.csv": ("Vapor Pressure/Antoine Collection Poling.tsv",
                              ["CAS", "A", "B", "C", "Tmin", "Tmax"]),
    "vp-perry.csv": ("Vapor Pressure/Table 2-8 Vapor Pressure of Inorganic and Organic Liquids.tsv",
                     ["CAS", "C1", "C2", "C3", "C4", "C5", "Tmin", "Tmax"]),
    "boiling-yaws.csv": ("Phase Change/Yaws Boiling Points.tsv", ["CAS", "Tb"]),
    "boiling-crc.csv": ("Misc/Physical Constants of Organic Compounds.csv", ["CAS", "Tb"]),
    "flash-limits-iec.csv": ("Safety/IS IEC 60079-20-1 2010.tsv", ["CAS", "T_flash", "LFL"]),
    "flash-limits-nfpa.csv": ("Safety/NFPA 497 2008.tsv", ["CAS", "T_flash", "LFL"]),
    "flash-dippr.csv": ("Safety/DIPPR T_flash Serat.csv", ["CAS", "T_flash"]),
    "formation-atct.csv": ("Reactions/ATcT 1.112 (g).tsv", ["CAS", "Hfg"]),
    "formation-crc.csv": ("Heat Capacity/CRC Standard Thermodynamic Properties of Chemical Substances.tsv",
                          ["CAS", "Hfg"]),
    "formation-yaws.csv": ("Reactions/Yaws Hf S0 (g).tsv", ["CAS", "Hfg"]),
    "formation-api.csv": ("Reactions/API TDB Albahri Hf (g).tsv", ["CAS", "Hfg"]),
    "vp-landolt.csv": ("Vapor Pressure/Landolt_antoine_V20.tsv", ["CAS", "A", "B", "C", "Tmin", "Tmax"]),
    "vp-webbook.csv": ("Misc/webbook_constants.tsv",
                       ["CAS", "AntoineA", "AntoineB", "AntoineC", "AntoineTmin", "AntoineTmax"]),
    "boiling-webbook.csv": ("Misc/webbook_constants.tsv", ["CAS", "Tb"]),
    "formation-webbook.csv": ("Misc/webbook_constants.tsv", ["CAS", "Hfg"]),
    "density-vdi-ppds.csv": ("Density/VDI PPDS Density of Saturated Liquids.tsv",
                             ["CAS", "MW", "Tc", "rhoc", "A", "B", "C", "D"]),
    "density-perry.csv": ("Density/Perry Parameters 105.tsv",
                          ["CAS", "C1", "C2", "C3", "C4", "Tmin", "Tmax"]),
}


def package_file(repo, commit, path):
    return subprocess.run(["git", "-C", repo, "show", f"{commit}:chemicals/{path}"],
                          check=True, capture_output=True).stdout.decode("utf-8")


def rows_of(text):
    lines = [line for line in text.splitlines() if line.strip()]
    return [line.split("\t") for line in lines]


def main():
    repo = sys.argv[1]
    commit = sys.argv[2] if len(sys.argv) > 2 else "HEAD"
    out = Path(__file__).resolve().parent.parent / "data" / "reference"
    for name, (path, columns) in TABLES.items():
        rows = rows_of(package_file(repo, commit, path))
        if columns is None:  # identifiers: no header; CAS, formula, molar mass
            header, body, picks = ["CAS", "formula", "MW"], rows, [1, 2, 3]
        else:
            header, body = columns, rows[1:]
            picks = [rows[0].index(column) for column in columns]
        kept = []
        for row in body:
            values = [(row[i].strip() if i < len(row) else "") for i in picks]
            if values[0].isdigit():  # the NIST WebBook table stores CAS numbers without dashes
                values[0] = f"{values[0][:-3]}-{values[0][-3:-1]}-{values[0][-1]}"
            if all(value == "" for value in values[1:]):
                continue
            kept.append(values)
        buffer = io.StringIO()
        writer = csv.writer(buffer, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(kept)
        (out / name).write_text(buffer.getvalue(), encoding="utf-8")
        print(f"{name}: {len(kept)} rows from chemicals/{path}")


if __name__ == "__main__":
    main()
