#!/usr/bin/env bash
# Sets up, builds and runs the keyboard's main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
echo "run: built in build/ (the keyboard program is not there yet)"
