#!/usr/bin/env bash
# Installs what is missing, builds overpressure and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DOVERPRESSURE_TESTS=OFF -DOVERPRESSURE_BENCHMARKS=OFF
cmake --build build/release --target overpressure
exec build/release/app/overpressure "$@"
