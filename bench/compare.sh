#!/usr/bin/env bash
# Compares arkwellbackup-archive with the tools a user would otherwise run, on
# one folder, in one run: wall-time medians (hyperfine), archive sizes and our
# peak memory (/usr/bin/time -v). Usage: bench/compare.sh [FOLDER] [RUNS]
# Extraction goes to a RAM-backed folder (/dev/shm) unless BENCH_EXTRACT_DIR
# names another: on a disk the file system's own work (allocating thousands of
# inodes, more so right after the previous run deleted them) swamps both tools
# and varies by tens of percent from run to run.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath "${1:-/usr/include}")
runs=${2:-7}

bash scripts/install-deps.sh pigz hyperfine time zip libbenchmark-dev python3
ARKWELL_BUILD_DIR=build-release CMAKE_BUILD_TYPE=Release bash scripts/build.sh \
  -DARKWELL_BUILD_TESTS=OFF -DARKWELL_BUILD_BENCHMARKS=ON
tool=$(realpath build-release/bin/arkwellbackup-archive)

work=$(mktemp -d "${TMPDIR:-/tmp}/arkwell-bench-XXXXXX")
if [ -n "${BENCH_EXTRACT_DIR:-}" ]; then
  out=$(mktemp -d "$BENCH_EXTRACT_DIR/arkwell-extract-XXXXXX")
elif [ -d /dev/shm ] && [ -w /dev/shm ]; then
  out=$(mktemp -d /dev/shm/arkwell-extract-XXXXXX)
else
  out=$(mktemp -d "$work/extract-XXXXXX")
fi
trap 'rm -rf "$work" "$out"' EXIT
results=bench/results
mkdir -p "$results"

echo "folder: $folder ($(du -sh "$folder" | cut -f1), $(find "$folder" -type f | wc -l) files), $(nproc) cores"
echo "extracting into: $out ($(df --output=fstype "$out" | tail -1))"

hf() { hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$results/$1.json" "${@:2}" >/dev/null; }

hf create \
  --prepare "rm -f $work/a.KBU $work/a.tar.gz $work/a.zip" \
  -n arkwell "$tool create --recursive --level fastest $work/a.KBU $folder" \
  -n tar+pigz "tar -cf - $folder 2>/dev/null | pigz -1 -p2 > $work/a.tar.gz" \
  -n zip "zip -1 -qr $work/a.zip $folder"
"$tool" create --recursive --level fastest "$work/a.KBU" "$folder" 2>/dev/null
tar -cf - "$folder" 2>/dev/null | pigz -1 -p2 > "$work/a.tar.gz"

hf extract \
  --prepare "rm -rf $out/x1 $out/x2; mkdir -p $out/x2" \
  -n arkwell "$tool extract --keep-structure --to $out/x1 $work/a.KBU" \
  -n tar+pigz "pigz -dc $work/a.tar.gz | tar -xf - -C $out/x2"

hf test \
  -n arkwell "$tool test $work/a.KBU" \
  -n pigz "pigz -t $work/a.tar.gz"

peak() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ {print $2}'; }
rm -rf "$out/x1" "$out/x2"
create_kib=$(peak "$tool" create --recursive --level fastest "$work/m.KBU" "$folder")
extract_kib=$(peak "$tool" extract --keep-structure --to "$out/x1" "$work/m.KBU")

python3 - "$results" "$work" "$create_kib" "$extract_kib" <<'PY'
import json, os, sys
results, work, create_kib, extract_kib = sys.argv[1:]
def medians(name):
    data = json.load(open(os.path.join(results, name + ".json")))["results"]
    return {r["command"]: r["median"] for r in data}
lines = ["| operation | arkwell (s) | other (s) | ratio |", "|---|---|---|---|"]
for name, other in (("create", "tar+pigz"), ("create", "zip"), ("extract", "tar+pigz"), ("test", "pigz")):
    m = medians(name)
    lines.append(f"| {name} vs {other} | {m['arkwell']:.3f} | {m[other]:.3f} | {m['arkwell'] / m[other]:.2f} |")
sizes = {n: os.path.getsize(os.path.join(work, n)) for n in ("a.KBU", "a.tar.gz", "a.zip")}
lines.append("")
lines.append("archive sizes: " + ", ".join(f"{n} {s / 1048576:.1f} MiB" for n, s in sizes.items()))
lines.append(f"peak memory: create {int(create_kib) / 1024:.1f} MiB, extract {int(extract_kib) / 1024:.1f} MiB")
report = "\n".join(lines)
print(report)
open(os.path.join(results, "summary.md"), "w").write(report + "\n")
PY

if [ -x build-release/bench/block_compressor_bench ]; then
  build-release/bench/block_compressor_bench --benchmark_min_time=0.2
fi
