#!/usr/bin/python3
"""`qfftana` at scale against an MNE + numpy peer, both on the same files.

Writes an EDF file of 1 hour and one of 4 hours (8 channels, 500 Hz,
alpha, theta and a 1/f-like background) and, for each, runs:

- qfftana analyze: 10-s pages, 1024 points, Hann, page spectra, coherence
  on (28 pairs), ADD every page, report; timed, with its peak resident
  memory from /usr/bin/time -v;
- qfftana info: the header only;
- the peer: MNE `read_raw_edf(preload=True)`, then per page
  `psd_array_welch` (blocks of 1000, zero-padded to 1024, Hann, no overlap)
  and the 28 coherences from one set of FFTs (numpy, each block
  transformed once).

Prints wall and CPU seconds of both sides (the machine may be shared: CPU
time is the fairer figure then), their ratio, info's time and qfftana's
peak memory. Goals: the hour at least 3 times faster than the peer, info
under 50 ms, peak memory under 100 MB for 1 h and 4 h alike.

Usage: /usr/bin/python3 bench/host_scale.py [build/bin/qfftana] [--hours 1,4]
"""
import os
import re
import resource
import subprocess
import sys
import tempfile
import time

import numpy as np

RATE = 500
PAGE = 10
BLOCK = 1000          # the block length the plug-in uses for 1024 points
NFFT = 1024
LABELS = ["F3", "F4", "C3", "C4", "P3", "P4", "O1", "O2"]
UV_PER_STEP = 0.1


def field(text, width):
    return text.ljust(width)[:width].encode("ascii")


def write_edf(path, seconds):
    """An EDF file of 1-s records, written an hour at a time."""
    ns = len(LABELS)
    header = b"".join([
        field("0", 8), field("X X X Bench", 80), field("Startdate 01-JAN-2024 X X X", 80),
        field("01.01.24", 8), field("00.00.00", 8), field(str(256 * (ns + 1)), 8), field("", 44),
        field(str(seconds), 8), field("1", 8), field(str(ns), 4)])
    per_signal = [
        (16, lambda c: "EEG " + LABELS[c]), (80, lambda c: "AgAgCl electrode"), (8, lambda c: "uV"),
        (8, lambda c: "-3276.8"), (8, lambda c: "3276.7"), (8, lambda c: "-32768"), (8, lambda c: "32767"),
        (80, lambda c: ""), (8, lambda c: str(RATE)), (32, lambda c: "")]
    for width, value in per_signal:
        header += b"".join(field(value(c), width) for c in range(ns))
    rng = np.random.default_rng(20240115)
    with open(path, "wb") as f:
        f.write(header)
        for start in range(0, seconds, 3600):
            n = min(3600, seconds - start)
            t = (start * RATE + np.arange(n * RATE)) / RATE
            rows = []
            for c in range(ns):
                white = rng.standard_normal(t.size)
                slow = np.cumsum(white) * 0.02
                slow -= np.convolve(slow, np.ones(501) / 501, mode="same")   # keep the drift bounded
                uv = 20 * (c / 8 + 0.3) * np.sin(2 * np.pi * 10 * t + c) + 8 * np.sin(2 * np.pi * 6 * t) \
                    + 2 * slow + 5 * white
                rows.append(np.clip(np.round(uv / UV_PER_STEP), -32768, 32767).astype("<i2"))
            records = np.array(rows).reshape(ns, n, RATE).transpose(1, 0, 2)
            f.write(records.tobytes())


def timed_run(args):
    """Runs args under /usr/bin/time -v: (wall s, CPU s, peak RSS MB, stdout)."""
    start = time.perf_counter()
    run = subprocess.run(["/usr/bin/time", "-v"] + args, capture_output=True, text=True)
    wall = time.perf_counter() - start
    if run.returncode != 0:
        sys.exit("%s failed (exit %d): %s" % (args[0], run.returncode, run.stderr.strip()[-2000:]))
    user = float(re.search(r"User time \(seconds\): ([0-9.]+)", run.stderr).group(1))
    system = float(re.search(r"System time \(seconds\): ([0-9.]+)", run.stderr).group(1))
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1)) / 1024.0
    return wall, user + system, rss, run.stdout


def run_qfftana(exe, path, work):
    return timed_run([exe, "analyze", path, "--page-seconds", str(PAGE), "--mode", "page", "--add", "all",
                      "--channels", ",".join(LABELS), "--set", "FFTINFO.FFTPoint=%d" % NFFT,
                      "--set", "FFTINFO.WindowType=2", "--set", "QFFTANAX.INITIAL.Enable=1",
                      "--settings", os.path.join(work, "settings"), "--out", os.path.join(work, "out"), "--quiet"])


def run_info(exe, path):
    """Best of 5 runs of info: (wall s, CPU s), CPU to the microsecond."""
    best = None
    for _ in range(5):
        start = time.perf_counter()
        child = subprocess.Popen([exe, "info", path], stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        if status != 0:
            sys.exit("qfftana info failed")
        cpu = usage.ru_utime + usage.ru_stime
        best = (wall, cpu) if best is None or wall < best[0] else best
    return best


def run_peer(path):
    """MNE reads the file; numpy does the page spectra and coherences."""
    import mne
    from mne.time_frequency import psd_array_welch
    mne.set_log_level("ERROR")
    cpu0, wall0 = time.process_time(), time.perf_counter()
    raw = mne.io.read_raw_edf(path, preload=True, verbose="ERROR")
    x = raw.get_data()
    window = np.hanning(BLOCK + 1)[:-1]
    pages = x.shape[1] // (PAGE * RATE)
    pairs = [(a, b) for a in range(len(LABELS)) for b in range(a + 1, len(LABELS))]
    mean_psd = 0.0
    for p in range(pages):
        page = x[:, p * PAGE * RATE:(p + 1) * PAGE * RATE]
        psd, _ = psd_array_welch(page, RATE, n_fft=NFFT, n_per_seg=BLOCK, n_overlap=0, window="hann",
                                 average="mean", verbose="ERROR")
        mean_psd = mean_psd + psd
        blocks = page.reshape(len(LABELS), -1, BLOCK)
        blocks = (blocks - blocks.mean(axis=-1, keepdims=True)) * window
        spec = np.fft.rfft(blocks, n=NFFT, axis=-1)
        auto = (np.abs(spec) ** 2).mean(axis=1)
        for a, b in pairs:
            cross = (spec[a] * np.conj(spec[b])).mean(axis=0)
            np.abs(cross) ** 2 / (auto[a] * auto[b])
    return time.perf_counter() - wall0, time.process_time() - cpu0, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024.0


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    hours = [1, 4]
    if "--hours" in sys.argv:
        hours = [int(h) for h in sys.argv[sys.argv.index("--hours") + 1].split(",")]
        args = [a for a in args if a != sys.argv[sys.argv.index("--hours") + 1]]
    exe = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "build", "bin", "qfftana")
    print("load average at start: %.1f (2 cores)" % os.getloadavg()[0])
    for h in hours:
        with tempfile.TemporaryDirectory() as work:
            path = os.path.join(work, "rec.edf")
            write_edf(path, h * 3600)
            size = os.path.getsize(path) / 1e6
            q_wall, q_cpu, q_rss, out = run_qfftana(exe, path, work)
            i_wall, i_cpu = run_info(exe, path)
            p_wall, p_cpu, p_rss = subprocess_peer(path)
            added = re.search(r"(\d+) sections added", out)
            print("%d h x 8 ch x 500 Hz (%.0f MB EDF), %s sections added" % (h, size, added.group(1) if added else "?"))
            print("  qfftana analyze: %6.2f s wall %6.2f s CPU, peak RSS %6.1f MB (goal < 100 MB)" % (q_wall, q_cpu, q_rss))
            print("  MNE + numpy:     %6.2f s wall %6.2f s CPU, peak RSS %6.1f MB" % (p_wall, p_cpu, p_rss))
            print("  ratio peer / qfftana: %.2f wall, %.2f CPU (goal >= 3)" % (p_wall / q_wall, p_cpu / q_cpu))
            print("  qfftana info: %.1f ms wall, %.1f ms CPU (best of 5; goal < 50 ms)" % (i_wall * 1e3, i_cpu * 1e3))


def subprocess_peer(path):
    """The peer in its own process, so its memory and time are its own."""
    run = subprocess.run([sys.executable, __file__, "--peer", path], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit("peer failed: " + run.stderr.strip()[-2000:])
    wall, cpu, rss = (float(v) for v in run.stdout.split())
    return wall, cpu, rss


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--peer":
        print("%f %f %f" % run_peer(sys.argv[2]))
    else:
        main()
