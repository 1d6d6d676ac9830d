"""The command line every table generator shares: read a TSV file of the
project (data/... by default, or the first argument) and write the generated
header (its usual place in src/, or the second argument), naming the TSV file
in the header as a path from the project's root."""
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def run(default_tsv, default_output, read_rows, generate):
    tsv = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / default_tsv
    output = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / default_output
    rows = read_rows(tsv)
    try:
        tsv_name = tsv.resolve().relative_to(ROOT).as_posix()
    except ValueError:
        tsv_name = tsv.name
    output.write_text(generate(rows, tsv_name), encoding="utf-8")
