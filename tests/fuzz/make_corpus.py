#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpus into tests/fuzz/corpus/.

recording: small EDF, EDF+, BDF and BDF+ files (two signals, two 1-second
records; the "+" forms carry an annotation signal with time stamps).
settings: the shipped templates, QFFTANA.INI then the marker line and
QFFTANAX.INI, as the settings target reads its input, and a few variants.
protocol, texts: byte strings from a fixed random seed; the targets read
them as choices, so any bytes are valid input.
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(HERE, "corpus")
MARKER = b"\n%%QFFTANAX.INI%%\n"


def field(text, width):
    return text.encode("ascii").ljust(width, b" ")[:width]


def recording(bdf, plus):
    """Header and data of a two-record file with a 10 Hz and a 5 Hz signal."""
    rate = [10, 5]
    labels = ["EEG Fp1", "EEG Fp2"]
    if plus:
        rate.append(8 if not bdf else 6)
        labels.append("EDF Annotations" if not bdf else "BDF Annotations")
    ns = len(rate)
    head = (b"\xffBIOSEMI" if bdf else field("0", 8))
    head += field("X X X X", 80) + field("Startdate 01-JAN-2024 X X X", 80)
    head += field("01.01.24", 8) + field("12.00.00", 8) + field(str(256 * (ns + 1)), 8)
    head += field("EDF+C" if plus and not bdf else ("BDF+C" if plus else ""), 44)
    head += field("2", 8) + field("1", 8) + field(str(ns), 4)
    digmax = 8388607 if bdf else 32767
    cols = [
        [field(l, 16) for l in labels],
        [field("AgAgCl electrode", 80) for _ in labels],
        [field("uV", 8) for _ in labels],
        [field("-3200", 8) for _ in labels],
        [field("3200", 8) for _ in labels],
        [field(str(-digmax - 1), 8) for _ in labels],
        [field(str(digmax), 8) for _ in labels],
        [field("HP:0.1Hz", 80) for _ in labels],
        [field(str(r), 8) for r in rate],
        [field("", 32) for _ in labels],
    ]
    for col in cols:
        head += b"".join(col)
    width = 3 if bdf else 2
    data = b""
    for rec in range(2):
        for k, r in enumerate(rate):
            if plus and k == ns - 1:
                stamp = ("+%d\x14\x14\x00" % rec).encode("ascii")
                data += stamp.ljust(r * width, b"\x00")
                continue
            for i in range(r):
                data += (((i * 97 + k * 13) % 200) - 100).to_bytes(width, "little", signed=True)
    return head + data


def write(sub, name, data):
    os.makedirs(os.path.join(OUT, sub), exist_ok=True)
    with open(os.path.join(OUT, sub, name), "wb") as f:
        f.write(data)


def main():
    for bdf in (False, True):
        for plus in (False, True):
            name = ("bdf" if bdf else "edf") + ("plus" if plus else "")
            write("recording", name, recording(bdf, plus))
    with open(os.path.join(ROOT, "resources", "default", "QFFTANA.INI"), "rb") as f:
        main_ini = f.read()
    with open(os.path.join(ROOT, "resources", "default", "QFFTANAX.INI"), "rb") as f:
        coh_ini = f.read()
    write("settings", "templates", main_ini + MARKER + coh_ini)
    write("settings", "main-only", main_ini)
    write("settings", "coherence-off", main_ini + MARKER + coh_ini.replace(b"Enable=1", b"Enable=0"))
    rnd = random.Random(15)
    for target in ("protocol", "texts"):
        for i in range(4):
            write(target, "seed%d" % i, bytes(rnd.randrange(256) for _ in range(64 << i)))


if __name__ == "__main__":
    main()
