#!/usr/bin/python3
"""Times the hour-long anchor in scipy and in our libraries on the same data.

    /usr/bin/python3 bench/compare_scipy.py [build/bin/numerics_bench]

Makes 8 channels x 1 h at 500 Hz (shared 10 Hz rhythm, a rhythm per channel,
noise), writes them as raw int16 for the benchmark (QF_BENCH_DATA), runs the
BM_Hour* benchmarks, times the same work in scipy (float64, best of 3) and
prints both with the ratio scipy / ours.
"""
import json
import os
import subprocess
import sys
import tempfile
import time

import numpy as np
from scipy import signal

RATE, CHANNELS, SAMPLES = 500, 8, 3600 * 500
WELCH = dict(fs=RATE, window="hann", nperseg=1000, noverlap=0, nfft=1024, detrend="constant")


def recording():
    rng = np.random.default_rng(2026)
    t = np.arange(SAMPLES) / RATE
    x = np.empty((CHANNELS, SAMPLES), dtype=np.int16)
    for ch in range(CHANNELS):
        v = 2000 * np.sin(2 * np.pi * 10 * t) + 800 * np.sin(2 * np.pi * (4 + ch) * t)
        x[ch] = np.rint(v + rng.normal(0, 600, SAMPLES)).astype(np.int16)
    return x


def best_of(fn, runs=3):
    best = float("inf")
    for _ in range(runs):
        t0 = time.perf_counter()
        fn()
        best = min(best, time.perf_counter() - t0)
    return best


def scipy_welch(x):
    return signal.welch(x, axis=-1, **WELCH)


def scipy_welch_coherence(x):
    scipy_welch(x)
    for a in range(CHANNELS):
        for b in range(a + 1, CHANNELS):
            signal.coherence(x[a], x[b], **WELCH)


def scipy_biquads(x):
    y = x
    for btype, fc in (("highpass", 0.5), ("lowpass", 30.0)):
        sos = signal.butter(2, fc, btype, fs=RATE, output="sos")
        zi = signal.sosfilt_zi(sos)[:, None, :] * y[None, :, :1]
        y, _ = signal.sosfilt(sos, y, axis=-1, zi=zi)
        y = np.clip(np.round(y), -32768, 32767).astype(np.int16)
    return y


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    bench = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "build", "bin", "numerics_bench")
    x = recording()
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "hour.raw")
        x.astype("<i2").tofile(raw)
        out = subprocess.run([bench, "--benchmark_filter=BM_Hour", "--benchmark_format=json",
                              "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
                             env=dict(os.environ, QF_BENCH_DATA=raw), check=True, capture_output=True, text=True)
    ours = {}
    for b in json.loads(out.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            ours[b["run_name"]] = b["real_time"] * scale
    rows = [("Welch mean spectrum, 8 ch x 1 h", "BM_HourWelch", scipy_welch),
            ("Welch + 28-pair coherence", "BM_HourWelchCoherence", scipy_welch_coherence),
            ("low-cut + high-cut biquads", "BM_HourBiquads", scipy_biquads)]
    print(f"{'work (500 Hz, Hann, 1000 in 1024 points)':44} {'ours':>9} {'scipy':>9} {'scipy/ours':>10}")
    for label, name, fn in rows:
        theirs = best_of(lambda: fn(x))
        print(f"{label:44} {ours[name]:8.3f}s {theirs:8.3f}s {theirs / ours[name]:9.2f}x")


if __name__ == "__main__":
    main()
