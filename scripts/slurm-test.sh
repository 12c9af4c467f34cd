#!/usr/bin/env bash
# The batch on a real, single-node Slurm cluster: starts munge and Slurm's
# two daemons in a temporary folder (no systemd, SLURM_CONF pointing there,
# ports of their own), submits a job array over the shared recordings and a
# damaged file through scripts/slurm/submit.sh, waits for the merge, and
# checks that both tables equal those of a local `qfftana batch` byte for
# byte. The daemons it started are stopped by their process ids on exit.
# Usage: slurm-test.sh [BUILD]   (default: build, as scripts/test.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=${1:-build}
data=../shared/data/eeg
if ! ls "$data"/*.edf >/dev/null 2>&1; then
  echo "slurm-test: skipped: no recordings in $data"
  exit 0
fi
for tool in munged slurmctld slurmd sbatch squeue sinfo; do
  command -v "$tool" >/dev/null || { echo "slurm-test: $tool is missing (scripts/deps.sh slurm installs it)" >&2; exit 1; }
done
export QFFTANA=$repo/$build/bin/qfftana
[ -x "$QFFTANA" ] || { echo "slurm-test: no $QFFTANA; build first" >&2; exit 1; }

tmp=$(mktemp -d /tmp/qfslurm.XXXXXX)
chmod 755 "$tmp"
pids=()
stop() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  rm -rf "$tmp"
}
trap stop EXIT

# munge on a socket of its own, as its user; it forks, its pid file names it.
mkdir -p "$tmp/munge"
chown munge:munge "$tmp/munge"
runuser -u munge -- munged --socket="$tmp/munge/socket" --pid-file="$tmp/munge/pid" \
  --log-file="$tmp/munge/log" --seed-file="$tmp/munge/seed"
pids+=("$(cat "$tmp/munge/pid")")

# Ports from the process id, so that clusters of several runs do not meet.
port=$((20000 + ($$ % 4000) * 2))
host=$(hostname)
mkdir -p "$tmp/state" "$tmp/spool"
cat > "$tmp/slurm.conf" <<CONF
ClusterName=qftest
SlurmctldHost=$host
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$tmp/munge/socket
StateSaveLocation=$tmp/state
SlurmdSpoolDir=$tmp/spool
SlurmctldPidFile=$tmp/slurmctld.pid
SlurmdPidFile=$tmp/slurmd.pid
SlurmctldLogFile=$tmp/slurmctld.log
SlurmdLogFile=$tmp/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
MpiDefault=none
NodeName=$host CPUs=2 State=UNKNOWN
PartitionName=main Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF=$tmp/slurm.conf
slurmctld -D -f "$SLURM_CONF" >/dev/null 2>&1 &
pids+=($!)
slurmd -D -f "$SLURM_CONF" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 60); do
  sinfo -h -o %t 2>/dev/null | grep -q idle && break
  sleep 0.5
done
sinfo -h -o %t | grep -q idle || { echo "slurm-test: the node did not come up" >&2; tail -5 "$tmp"/slurm*.log >&2; exit 1; }

# The recordings as paths relative to a work folder, and a damaged one.
work=$tmp/work
mkdir -p "$work/rec"
cp "$data"/*.edf "$work/rec/"
head -c 3000 "$(ls "$data"/*.edf | head -1)" > "$work/rec/damaged.edf"
(cd "$work" && ls rec/*.edf > files.txt)
cd "$work"
"$QFFTANA" batch $(cat files.txt) --out local --settings settings --jobs 2 --quiet || [ $? -eq 1 ]
status=0
timeout 300 bash "$repo/scripts/slurm/submit.sh" --wait files.txt cluster --settings settings >/dev/null || status=$?
[ "$status" -le 1 ] || { echo "slurm-test: the job array or its merge failed ($status)" >&2; cat cluster/slurm-*.out >&2 || true; exit 1; }
for table in summary.csv coherence.csv; do
  cmp "local/$table" "cluster/$table" || { echo "slurm-test: $table differs between batch and Slurm" >&2; exit 1; }
done
grep -q '^rec/damaged.edf,.*,[^,]\+$' cluster/summary.csv || { echo "slurm-test: the damaged file has no error row" >&2; exit 1; }
ls cluster/slurm-*_3.out >/dev/null || { echo "slurm-test: no array task ran" >&2; exit 1; }
echo "slurm-test: $(wc -l < files.txt) recordings on Slurm, tables equal to the local batch's"
