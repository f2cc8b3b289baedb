#!/usr/bin/env bash
# Runs one transcript test: a script through vthost in a fresh folder holding the sample drawings,
# then compares what vthost printed with the expected transcript, and its exit status.
# Usage: run-transcript.sh VTHOST SAMPLES_DIR INPUT EXPECTED EXIT_STATUS [VTHOST ARGUMENTS...]
set -u
vthost=$1 samples=$2 script=$3 expected=$4 want_status=$5
shift 5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$samples"/*.dwg "$work"/ 2>/dev/null
cp "$script" "$work"/
cd "$work" || exit 1
# A ".in" file is piped to standard input (the interactive forms: bad input is asked again);
# anything else runs as a script with -s (bad input stops it).
if [[ "$script" == *.in ]]; then
    "$vthost" "$@" <"$(basename "$script")" >transcript.txt 2>&1
else
    "$vthost" "$@" -s "$(basename "$script")" </dev/null >transcript.txt 2>&1
fi
status=$?
# Paths of the build folder differ from machine to machine: the modules' folder reads <bin>.
bin=$(cd "$(dirname "$vthost")" && pwd)
sed -i "s#$bin#<bin>#g" transcript.txt
failed=0
if ! diff -u "$expected" transcript.txt; then
    echo "transcript of $(basename "$script") differs from $(basename "$expected")"
    failed=1
fi
if [ "$status" != "$want_status" ]; then
    echo "vthost exited with $status, expected $want_status"
    failed=1
fi
exit $failed
