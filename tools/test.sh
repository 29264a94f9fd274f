#!/usr/bin/env bash
# Builds Tarnwick and runs its whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest --preset default -j2
