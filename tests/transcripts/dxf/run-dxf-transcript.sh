#!/usr/bin/env bash
# The DXF transcript: a user's own drawing (written by ezdxf) comes into vthost with DXFIN, is
# listed, saved, exported; refused files leave the session going (interactive) or stop a script;
# the saved drawing gets a live label (vtlinklabel), the room is stretched and the label follows;
# DXFOUT hands the result over and ezdxf reads it back. Everything printed is compared with the
# expected transcript. Exits 77 (skipped) when /usr/bin/python3 lacks ezdxf.
# Usage: run-dxf-transcript.sh VTHOST VTLINKLABEL EXPECTED
set -u
vthost=$1 linker=$2 expected=$3
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 -c "import ezdxf" 2>/dev/null || { echo "/usr/bin/python3 lacks ezdxf"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/*.scr "$here"/*.in "$here"/*.py "$work"/
cd "$work" || exit 1

step() {
    echo "== $(basename "$1") ${*:2}"
    "$@" 2>&1
    echo "== exit status $?"
}

/usr/bin/python3 make_plan.py >/dev/null 2>&1 || { echo "ezdxf could not write the files"; exit 1; }
{
    step "$vthost" -s dxf_import.scr </dev/null
    step "$vthost" <dxf_refused.in
    step "$linker" myplan.dwg 8 9
    step "$vthost" myplan.dwg --load vantorell.dbx -s dxf_label.scr </dev/null
    step /usr/bin/python3 read_plan.py plan-out.dxf
} >transcript.txt
if ! diff -u "$expected" transcript.txt; then
    echo "the DXF transcript differs from $(basename "$expected")"
    exit 1
fi
