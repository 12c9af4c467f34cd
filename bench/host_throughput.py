#!/usr/bin/python3
"""Throughput of `qfftana analyze` against scipy on the same hour of EEG.

Writes a 1-hour, 8-channel, 500 Hz EDF file, runs qfftana on it (page mode,
10-s pages, 1024 points, Hann window, ADD every page, coherence on), then
times scipy doing the same spectral work on the same samples: per page and
channel `welch` with the plug-in's segmentation (blocks of 1000 samples, no
overlap, zero-padded to 1024), and `coherence` of the 28 channel pairs with
the same segmentation. Prints both times and their ratio; the goal is
qfftana at least 3 times faster, the hour in under 2 s.

Usage: /usr/bin/python3 bench/host_throughput.py [build/bin/qfftana]
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import numpy as np
from scipy import signal

RATE = 500
SECONDS = 3600
PAGE = 10
BLOCK = 1000          # block length the plug-in uses for 1024 points
NFFT = 1024
LABELS = ["F3", "F4", "C3", "C4", "P3", "P4", "O1", "O2"]
UV_PER_STEP = 0.1


def make_samples():
    """Alpha, theta and 1/f-like noise in 16-bit steps, one row per channel."""
    rng = np.random.default_rng(20240115)
    t = np.arange(RATE * SECONDS) / RATE
    rows = []
    for c in range(len(LABELS)):
        white = rng.standard_normal(t.size)
        slow = signal.lfilter([1.0], [1.0, -0.98], white)   # a 1/f-like background
        uv = 20 * (c / 8 + 0.3) * np.sin(2 * np.pi * 10 * t + c) + 8 * np.sin(2 * np.pi * 6 * t) + 2 * slow + 5 * white
        rows.append(np.clip(np.round(uv / UV_PER_STEP), -32768, 32767).astype("<i2"))
    return np.array(rows)


def field(text, width):
    return text.ljust(width)[:width].encode("ascii")


def write_edf(path, samples):
    ns = len(LABELS)
    header = b"".join([
        field("0", 8), field("X X X Bench", 80), field("Startdate 01-JAN-2024 X X X", 80),
        field("01.01.24", 8), field("00.00.00", 8), field(str(256 * (ns + 1)), 8), field("", 44),
        field(str(SECONDS), 8), field("1", 8), field(str(ns), 4)])
    per_signal = [
        (16, lambda c: "EEG " + LABELS[c]), (80, lambda c: "AgAgCl electrode"), (8, lambda c: "uV"),
        (8, lambda c: "-3276.8"), (8, lambda c: "3276.7"), (8, lambda c: "-32768"), (8, lambda c: "32767"),
        (80, lambda c: ""), (8, lambda c: str(RATE)), (32, lambda c: "")]
    for width, value in per_signal:
        header += b"".join(field(value(c), width) for c in range(ns))
    records = samples.reshape(ns, SECONDS, RATE).transpose(1, 0, 2)
    with open(path, "wb") as f:
        f.write(header)
        f.write(records.astype("<i2").tobytes())


def run_qfftana(exe, path, work):
    args = [exe, "analyze", path, "--page-seconds", str(PAGE), "--mode", "page", "--add", "all",
            "--channels", ",".join(LABELS), "--set", "FFTINFO.FFTPoint=%d" % NFFT,
            "--set", "FFTINFO.WindowType=2", "--set", "QFFTANAX.INITIAL.Enable=1",
            "--settings", os.path.join(work, "settings"), "--out", os.path.join(work, "out"), "--quiet"]
    start = time.perf_counter()
    run = subprocess.run(args, capture_output=True, text=True)
    elapsed = time.perf_counter() - start
    if run.returncode != 0:
        sys.exit("qfftana failed (exit %d): %s" % (run.returncode, run.stderr.strip()))
    pages = re.search(r"analysed in ([0-9.]+) s", run.stdout)
    return elapsed, float(pages.group(1)) if pages else float("nan")


def run_scipy(samples):
    x = samples.astype(np.float64)
    pages = SECONDS // PAGE
    start = time.perf_counter()
    for p in range(pages):
        page = x[:, p * PAGE * RATE:(p + 1) * PAGE * RATE]
        signal.welch(page, RATE, window="hann", nperseg=BLOCK, noverlap=0, nfft=NFFT, detrend="constant", axis=-1)
        for a in range(len(LABELS)):
            for b in range(a + 1, len(LABELS)):
                signal.coherence(page[a], page[b], RATE, window="hann", nperseg=BLOCK, noverlap=0, nfft=NFFT)
    return time.perf_counter() - start


def main():
    exe = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build", "bin", "qfftana")
    with tempfile.TemporaryDirectory() as work:
        samples = make_samples()
        path = os.path.join(work, "hour.edf")
        write_edf(path, samples)
        host_total, host_pages = run_qfftana(exe, path, work)
        scipy_time = run_scipy(samples)
    print("qfftana analyze, whole run (read, 360 pages, ADD, report): %.3f s" % host_total)
    print("qfftana page loop alone:                                  %.3f s" % host_pages)
    print("scipy welch + 28 coherences per page:                     %.3f s" % scipy_time)
    print("ratio scipy / qfftana (whole run): %.2f  (goal >= 3, hour < 2 s)" % (scipy_time / host_total))


if __name__ == "__main__":
    main()
