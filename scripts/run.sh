#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments are passed on (a model file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/vastrel "$@"
