#!/usr/bin/env bash
# Builds a release of Invexo and starts it on the embedded demo server (company 01), with a
# seeded contacts directory (a slapd on a loopback port) when slapd can start here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DINVEXO_TESTS=OFF -DINVEXO_BENCH=OFF
cmake --build build-release -j2 --target invexo

rubrica=build-release/rubrica-demo
if porta=$(scripts/slapd-demo.sh "$rubrica"); then
  trap 'scripts/slapd-demo.sh "$rubrica" stop' EXIT
  export INVEXO_RUBRICA_DEMO="127.0.0.1:$porta"
else
  echo "Rubrica LDAP non avviata: la demo usa gli indirizzi dell'archivio." >&2
fi
build-release/invexo -H local -C 01 "$@"
