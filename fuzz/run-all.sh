#!/usr/bin/env bash
# Replays every fuzzer's corpus (the regression inputs) and then fuzzes each for N seconds.
# Usage: fuzz/run-all.sh BUILD_DIR SECONDS [SEED]
# The seed is fixed (1 unless given) so that a run that fails can be repeated exactly; run with
# other seeds by hand to explore further.
set -euo pipefail
build=$1
seconds=${2:-20}
seed=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$build"/bin/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$here/${name#fuzz_}/corpus"
    work=$(mktemp -d)
    [ -d "$corpus" ] && cp -r "$corpus/." "$work/" 2>/dev/null || true
    echo "-- $name: replay and fuzz ${seconds}s"
    if ! "$target" -seed="$seed" -max_total_time="$seconds" -max_len=8192 -print_final_stats=0 "$work" \
        >"$work.log" 2>&1; then
        tail -50 "$work.log"
        status=1
    fi
    rm -rf "$work" "$work.log"
done
exit $status
