#!/usr/bin/env bash
# Builds Invexo with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/check-format.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DINVEXO_SANITIZE=ON
cmake --build build-asan -j2
cd build-asan
ctest --output-on-failure -j2
