#!/usr/bin/env bash
# Installs what is missing, builds everything, and converts the bundled example orders with the
# bundled conversion table, showing every record that changed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"

# Convert copies, so that the examples folder stays as it is.
work=build/examples
rm -rf "$work"
mkdir -p "$work"
cp examples/*.sif examples/*.SIF examples/*.Sif "$work"/
echo
echo "Converting the example orders in $work with build/bin/DATA.txt:"
build/bin/orvane-convert --verbose --report "$work/report.csv" "$work"/*.sif "$work"/*.SIF "$work"/*.Sif
echo
echo "Converted copies and the report (one row per record):"
ls -1 "$work"
