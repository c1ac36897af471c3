#!/usr/bin/env bash
# Builds a release of Invexo and starts it on the embedded demo server (company 01).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DINVEXO_TESTS=OFF -DINVEXO_BENCH=OFF
cmake --build build-release -j2 --target invexo
exec build-release/invexo -H local -C 01 "$@"
